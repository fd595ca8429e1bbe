// Copies the painted skin of the build into a test's application directory, for screenshots.
#pragma once

#include <QString>

// False when the build has no painted skin (the screenshot then shows plain widgets).
bool buttonsCopySkin(const QString& appDirectory);
// Saves a picture as <temp>/buttons-<name>.png; false when it could not be written.
bool buttonsSaveShot(const class QImage& image, const QString& name);
