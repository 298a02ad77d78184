#include "core/window_model.h"

#include <algorithm>

namespace tavro {

TextField* WindowModel::FindField(std::string_view field_name) {
  const auto found = std::find_if(fields_.begin(), fields_.end(), [&](const TextField& field) {
    return field.name() == field_name;
  });
  return found == fields_.end() ? nullptr : &*found;
}

const TextField* WindowModel::FindField(std::string_view field_name) const {
  return const_cast<WindowModel*>(this)->FindField(field_name);
}

bool WindowModel::HasOperation(std::string_view operation) const {
  return operations_.find(operation) != operations_.end();
}

bool WindowModel::Invoke(std::string_view operation) {
  const auto found = operations_.find(operation);
  if (found == operations_.end()) return false;
  found->second();
  return true;
}

std::vector<std::string> WindowModel::OperationNames() const {
  std::vector<std::string> names;
  names.reserve(operations_.size());
  for (const auto& entry : operations_) names.push_back(entry.first);
  return names;
}

void WindowModel::Load() {
  for (TextField& field : fields_) field.Reset();
}

TextField& WindowModel::AddField(std::string field_name, std::optional<std::size_t> max_length) {
  return fields_.emplace_back(std::move(field_name), max_length);
}

void WindowModel::AddOperation(std::string operation, std::function<void()> run) {
  operations_.insert_or_assign(std::move(operation), std::move(run));
}

}  // namespace tavro
