#pragma once

#include "ui/layout/window_layout.h"

// The layout of each window, one definition per form*_layout.cpp. The shell's
// window registry gives each window its layout; look layouts up there.
namespace tavro::layout {

const WindowLayout& Form1Layout();
const WindowLayout& Form2Layout();
const WindowLayout& Form3Layout();
const WindowLayout& Form4Layout();
const WindowLayout& Form5Layout();
const WindowLayout& Form6Layout();

}  // namespace tavro::layout
