#pragma once
// One widget kind per control kind: making the widget of a control model,
// passing the user's input to the model's User... operations, and bringing
// the widget into step with the model after each change.

#include <QWidget>

#include "platform/window/control.h"

namespace gui {

// The widget's control, also for the widgets inside it (a combo box's edit field).
platform::Control* ControlOfWidget(const QWidget* widget);

// Parented to parent; input is connected; the state is not yet applied.
QWidget* CreateControlWidget(platform::Control& control, QWidget* parent);
// Everything but the geometry, which the window places.
void SyncControlWidget(platform::Control& control, QWidget* widget, platform::ControlChange change);
void SyncControlWidgetFully(platform::Control& control, QWidget* widget);
// Cuts the widget's input from its control, whose model is going away.
void DetachControlWidget(QWidget* widget);

}  // namespace gui
