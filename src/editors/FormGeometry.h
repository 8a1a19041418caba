#pragma once

#include "FormControl.h"

#include <QSize>

#include <functional>

// The design layout of a form: rows of label and field pairs in one column
// or in two framed columns side by side, under the page title band. Every
// row has the height of the tallest field, so hiding a row lifts the rows
// below by one pitch. Label columns are as wide as their longest label.
namespace FormGeometry {

constexpr int kFirstRowTop = FormMetrics::kMargin * 2 + FormMetrics::kTitleHeight;
constexpr int kRowGap = 10;
constexpr int kCellGap = 10;
constexpr int kFramePadding = 10;
constexpr int kFieldWidth = 200;

// preferredSize gives the size hint of a control's widget.
ControlRects DesignRects(
    std::span<const FormControl> controls, const std::function<QSize(const FormControl &)> &preferredSize);

} // namespace FormGeometry
