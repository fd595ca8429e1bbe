// What the main window asks of each of its settings pages.
#pragma once

#include "store/MouseConfig.h"

// The record a page shows and edits: the whole configuration, and its profile whose single-copy
// settings (DPI stages, buttons, lighting) the mouse receives.
struct PageRecord {
    MouseConfig& config;
    ProfileData& mouse;
};

class SettingsPage {
public:
    virtual ~SettingsPage() = default;
    // Shows the record; pages that edit in place keep pointing into it.
    virtual void loadRecord(const PageRecord& record) = 0;
    // Writes the page's working values into the record (pages that edit in place write nothing).
    virtual void applyRecord(const PageRecord&) { }
    // The window's layout factor changed.
    virtual void setScale(double) { }
    // The language changed.
    virtual void retranslate() = 0;

protected:
    SettingsPage() = default;
    SettingsPage(const SettingsPage&) = default;
    SettingsPage& operator=(const SettingsPage&) = default;
};
