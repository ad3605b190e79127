#pragma once

#include <QString>

namespace rv {

// The help text of the page "Інформація" as rich text: a title, an introduction, "Введення
// даних користувачем" and the four stages "Етап 1." to "Етап 4.".
QString helpText();

} // namespace rv
