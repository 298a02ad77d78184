#pragma once

#include <nlohmann/json.hpp>
#include <vector>

#include "ui/layout/window_layout.h"

namespace tavro::replay {

// The windows' layouts as JSON, for scripts that drive the real program and
// need its window titles and where its controls are:
//   {"windows": [{"name": "Form1", "title": "Standart",
//                 "client": {"width": 307, "height": 146},
//                 "controls": [{"name": "Command1", "kind": "button", "caption": "",
//                               "tooltip": "СЪБИРАНЕ",
//                               "rect": {"x": 0, "y": 80, "width": 41, "height": 65}},
//                              ...]},
//                ...]}
// in the order given. Controls are the buttons, then the fields, then the
// labels, each in the layout's order; a label also has its "index", which
// tells the labels of one name apart, and no tooltip; a field has an empty
// caption. Rectangles are the layout's: pixels at 96 dots per inch from the
// top-left corner of the client area. The title is the layout's, empty for
// a window without one.
nlohmann::ordered_json LayoutsJson(const std::vector<const layout::WindowLayout*>& layouts);

}  // namespace tavro::replay
