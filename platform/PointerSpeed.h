// The desktop's pointer speed on the 1..20 scale the profiles store.
#pragma once

namespace PointerSpeed {

constexpr int MIN_SPEED = 1;
constexpr int MAX_SPEED = 20;
constexpr int DEFAULT_SPEED = 10;

// The current pointer speed, best effort: DEFAULT_SPEED where the desktop offers nothing.
int get();
// Sets the pointer speed (clamped to 1..20); does nothing where the desktop offers nothing.
void set(int speed);

// Mapping to and from GNOME's speed setting (-1.0 .. 1.0, 0 = 10).
double toGnome(int speed);
int fromGnome(double value);

} // namespace PointerSpeed
