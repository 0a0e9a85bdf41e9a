#pragma once
// The words of the documentation: the device data list and the first report page in the device
// language, the date label in the user-interface language.

#include <string>

namespace tessalin {

enum class DocWord {
    Software,
    Hardware,
    SerialNumber,
    Options,
    None,
    MeasuringPoint,
    Note,
    ParameterSet,
    DeviceDescription,
};

// In the device language.
std::string DocText(DocWord word);

struct DocDate {
    int year = 2000;
    int month = 1;
    int day = 1;
};

// The local date today.
DocDate Today();

// "Datum: 06.03.2006" / "Date: 2006-03-06" by the user-interface language.
std::string DateLabel(const DocDate& date);

}  // namespace tessalin
