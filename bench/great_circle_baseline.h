#pragma once

// The least work any great-circle bearing and distance can take: the
// spherical law of cosines for the distance and one atan2 for the initial
// bearing, on angles already in radians. Vestrel's own path arithmetic is
// timed against it.

namespace vestrel::bench {

struct RadianPoint {
    double lat = 0.0;
    double lon = 0.0;
};

struct BaselinePath {
    double bearing = 0.0;   // degrees clockwise from north, 0 to 360
    double distance = 0.0;  // kilometres
};

// Kept out of line, in its own translation unit, so that it pays for a call
// just as the library's ComputePath does.
BaselinePath BaselineGreatCircle(RadianPoint from, RadianPoint to);

}  // namespace vestrel::bench
