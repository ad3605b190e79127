#pragma once

#include <QString>

namespace rv {

// The help text of the page "Інформація" as rich text: a title, an introduction, "Введення
// даних користувачем", the four stages "Етап 1." to "Етап 4." and the variants "Що буде,
// якщо…".
QString helpText();

} // namespace rv
