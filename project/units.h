// Unit conversions, each named once. The model works in metres, days, grams per litre
// (= kilograms per cubic metre) and milligrams per litre (= grams per cubic metre); its
// inputs come in the units engineers quote: cm/yr, kg/yr, m^3/s, microns.
#pragma once

namespace velmar::units {

inline constexpr double kDaysPerYear = 365.25;  // the Julian year
inline constexpr int kSecondsPerMinute = 60;
inline constexpr int kSecondsPerHour = 60 * kSecondsPerMinute;
inline constexpr int kWholeSecondsPerDay = 24 * kSecondsPerHour;
inline constexpr double kSecondsPerDay = kWholeSecondsPerDay;
inline constexpr double kSecondsPerYear = kDaysPerYear * kSecondsPerDay;

inline constexpr double kCentimetresPerMetre = 100;
inline constexpr double kMetresPerCentimetre = 0.01;
inline constexpr double kGramsPerKilogram = 1000;
inline constexpr double kKilogramsPerGram = 0.001;
inline constexpr double kLitresPerCubicMetre = 1000;

// mg/L to g/L (or kg/m^3), and L/kg times g/L to a dimensionless ratio.
inline constexpr double kGramsPerMilligram = 0.001;
// mg/L times L/kg: a concentration times a distribution coefficient, as a mass ratio.
inline constexpr double kKilogramsPerMilligram = 1e-6;

// cm/yr to m/day.
inline constexpr double kCmPerYearToMPerDay = kMetresPerCentimetre / kDaysPerYear;
// cm/yr at a bulk density in g/L, over a concentration in mg/L, to m/day.
inline constexpr double kAccretionToSettling = kGramsPerKilogram * kMetresPerCentimetre / kDaysPerYear;
// kg/yr to g/day.
inline constexpr double kKgPerYearToGPerDay = kGramsPerKilogram / kDaysPerYear;
// mg/L (g/m^3) times m^3/s to kg/yr.
inline constexpr double kQiCiToKgPerYear = kSecondsPerYear / kGramsPerKilogram;

// Units of a record's columns (a flow and temperature record), each from its definition.
inline constexpr double kMetresPerFoot = 0.3048;              // the international foot
inline constexpr double kLitresPerUsGallon = 3.785411784;     // 231 cubic inches
inline constexpr double kSquareMetresPerAcre = 4046.8564224;  // 43,560 square feet
inline constexpr double kSquareMetresPerHectare = 10000;
inline constexpr double kCubicMetresPerCubicFoot = kMetresPerFoot * kMetresPerFoot * kMetresPerFoot;
inline constexpr double kCubicMetresPerAcreFoot = kSquareMetresPerAcre * kMetresPerFoot;
inline constexpr double kCubicMetresPerMillionUsGallons = 1e6 * kLitresPerUsGallon / kLitresPerCubicMetre;
inline constexpr double kMilligramsPerMicrogram = 0.001;
// Degrees Fahrenheit to Celsius: C = (F - 32) * 5/9.
inline constexpr double kFahrenheitAtZeroCelsius = 32;
inline constexpr double kCelsiusPerFahrenheitDegree = 5.0 / 9.0;
// Coliform concentrations are per 100 mL: counts per cubic metre for one per 100 mL.
inline constexpr double kHundredMillilitresPerCubicMetre = 10000;

}  // namespace velmar::units
