#include "modes/converter/conversions.h"

#include "core/arithmetic.h"

namespace tavro {

const std::array<Conversion, 14> kConversions{{
    {"Command1_Click", "inches to centimetres", [](double x) { return Multiply(x, 2.54); }},
    {"Command2_Click", "centimetres to inches", [](double x) { return Multiply(x, 0.394); }},
    {"Command3_Click", "metres to feet", [](double x) { return Multiply(x, 3.281); }},
    {"Command4_Click", "feet to metres", [](double x) { return Multiply(x, 0.305); }},
    {"Command5_Click", "litres to gallons", [](double x) { return Multiply(x, 0.264); }},
    {"Command6_Click", "kilograms to pounds", [](double x) { return Multiply(x, 2.205); }},
    {"Command7_Click", "gallons to litres", [](double x) { return Multiply(x, 3.785); }},
    {"Command8_Click", "pounds to kilograms", [](double x) { return Multiply(x, 0.454); }},
    {"Command9_Click", "metres to yards", [](double x) { return Multiply(x, 1.094); }},
    {"Command10_Click", "yards to metres", [](double x) { return Multiply(x, 0.914); }},
    {"Command11_Click", "kilometres to miles", [](double x) { return Multiply(x, 0.621); }},
    {"Command12_Click", "miles to kilometres", [](double x) { return Multiply(x, 1.609); }},
    {"Command13_Click", "Celsius to Fahrenheit",
     [](double x) { return Add(Multiply(x, 1.8), 32.0); }},
    {"Command14_Click", "Fahrenheit to Celsius",
     [](double x) { return Subtract(Divide(x, 1.8), 17.77777777778); }},
}};

}  // namespace tavro
