// The default HID backend: forwards every call to hidapi (hidraw).
#pragma once

#include "device/HidBackend.h"

class HidapiBackend : public HidBackend {
public:
    int init() override;
    int exit() override;
    QVector<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) override;
    HidHandle* openPath(const QByteArray& path, int onlyReportId, HidOpenError* error) override;
    void close(HidHandle* handle) override;
    int write(HidHandle* handle, const quint8* data, int length) override;
    int readTimeout(HidHandle* handle, quint8* data, int length, int timeoutMs) override;
};
