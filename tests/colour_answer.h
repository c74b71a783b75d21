// SPDX-License-Identifier: MIT
#pragma once

#include "common_dialog.h"

#include <QColor>

#include <optional>

namespace testing {

// Answers every colour dialog with one colour, and no file dialog.
class ColourAnswer : public pixelwick::DialogBackend {
public:
    explicit ColourAnswer(QColor colour) : m_colour(colour) {}
    std::optional<QString> askOpenFile(QWidget *, const QString &) override { return std::nullopt; }
    std::optional<QColor> askColour(QWidget *, const QColor &) override { return m_colour; }
    std::optional<QString> askSaveFile(QWidget *, const QString &) override { return std::nullopt; }

private:
    QColor m_colour;
};

} // namespace testing
