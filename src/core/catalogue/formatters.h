#pragma once
// Special values: the device time stamp, practical salinity and time-of-day bytes.

#include <ctime>
#include <cstdint>

namespace tessalin {

// Seconds from 1 January 2000, 00:00 local time, to the local wall-clock time of `when`.
int32_t DeviceSecondsAt(std::time_t when);
int32_t DeviceSecondsNow();

// Practical salinity (PSS-78) of a conductivity in µS/cm at a temperature in °C, against the reference
// conductivity 42914 µS/cm; a negative result (or a conductivity of zero or below) gives 0.
double PracticalSalinity(double conductivity, double temperature);

// A time of day kept as two bytes: the minute at the offset, the hour one above it.
struct TimeOfDay {
    int hour = 0;
    int minute = 0;
};

// Reads the two bytes, showing an hour above 23 as 23 and a minute above 59 as 59.
TimeOfDay ReadTimeOfDay(long long offset);
void WriteTimeOfDay(long long offset, TimeOfDay time, bool bothSets = false);

}  // namespace tessalin
