#pragma once

#include "core/decimal_separator.h"
#include "core/value_cell.h"
#include "core/window_model.h"

namespace tavro {

// The Standard window: two operands, the four arithmetic operations, square
// root, a one-slot memory and the buttons that send the last answer back into
// an operand field.
class Form1 : public WindowModel {
 public:
  static constexpr std::size_t kOperandLength = 20;

  explicit Form1(DecimalSeparator separator);

  TextField& Text1() { return text1_; }  // first number
  TextField& Text2() { return text2_; }  // second number
  TextField& Text3() { return text3_; }  // answer

  const ValueCell& AnswerCell() const { return answer_cell_; }
  const ValueCell& RootCell() const { return root_cell_; }
  const ValueCell& MemoryCell() const { return memory_cell_; }

  // Arithmetic (form1_arithmetic.cpp).
  void Command1_Click();  // first + second
  void Command2_Click();  // first - second
  void Command3_Click();  // first x second
  void Command4_Click();  // first / second
  void Command8_Click();  // SQR of the first number
  void Command6_Click();  // CE

  // Memory and transfer (form1_memory.cpp).
  void Command10_Click();  // MEM Text1
  void Command12_Click();  // MEM Text2
  void Command14_Click();  // MEM Text3
  void Command11_Click();  // MRC into Text1
  void Command13_Click();  // MRC into Text2
  void Command5_Click();   // Send top
  void Command7_Click();   // Send Center

 private:
  using BinaryFunction = double (*)(double, double);
  void Calculate(BinaryFunction function);

  TextField& text1_;
  TextField& text2_;
  TextField& text3_;
  ValueCell answer_cell_;
  ValueCell root_cell_;
  ValueCell memory_cell_;
  ValueCell first_operand_;
  ValueCell second_operand_;
};

}  // namespace tavro
