//===- Property.h - What a front end is told has changed ------------------===//
//
// The model tells its front end which property of a control or window
// changed; the front end reads the new value from the model. Several
// properties that a widget shows together share one code (Geometry for Left,
// Top, Width and Height; Selection for SelStart and SelLength).
//
//===----------------------------------------------------------------------===//
#pragma once

namespace forms {

enum class Property {
  All,  // read everything again (Refresh, a new data source)
  Text,
  Caption,
  Enabled,
  Visible,
  Locked,
  Geometry,
  TabIndex,
  TabStop,
  BackColor,
  ForeColor,
  Font,
  Selection,
  MaxLength,
  Alignment,
  Value,          // OptionButton, CheckBox, scroll bars
  Range,          // scroll bars: Min, Max, SmallChange, LargeChange
  List,           // items of a list, their texts or data
  ListIndex,
  DroppedWidth,
  Tab,            // current page of a tab control
  Tabs,           // count, captions or enabling of the pages
  Mask,
  Picture,
  Checked,
  Default,
  Cancel,
  Container,
  Buttons,        // toolbar buttons
  Panels,         // status-bar panels
  Columns,        // grid columns
  Rows,           // grid rows (a new recordset, a refresh)
  Row,            // grid current row
  WindowState,
  Icon,
  ActiveControl,  // the focus moved inside the window
  Custom,         // a property of a custom control; the front end asks the control
};

}  // namespace forms
