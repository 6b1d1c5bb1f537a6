#pragma once

#include <QString>

#include <optional>

// What a picture of a map is ordered with: its file format and its scale.
// No graphics here, so the command line checks an order before it loads the
// image code.

// The file formats a map picture is written in.
enum class BildFormat { Png, Bmp };

// The format a file name asks for by its extension (".png", ".bmp", in any
// case); none for other names.
std::optional<BildFormat> BildFormatFuerName(const QString &dateiName);

// The scales a picture may be drawn at. Below the lower bound a field
// shrinks to less than a pixel; above the upper one pictures grow huge.
constexpr double MinMassstab = 0.01;
constexpr double MaxMassstab = 8.0;
bool MassstabGueltig(double massstab);
