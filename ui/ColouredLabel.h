// A text in the game's colours, the panel's captions and the about window's lines alike.
#pragma once
#include <QFont>
#include <QLabel>
#include <cstdint>

namespace vexlar {

// A label of its own colour and font (0xBBGGRR); without a back colour it shows what lies behind.
QLabel* ColouredLabel(QWidget* parent, const QString& caption, std::int32_t fore, const QFont& font,
                      Qt::Alignment align = Qt::AlignCenter, std::int32_t back = -1);

}  // namespace vexlar
