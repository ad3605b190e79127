#pragma once

// Every Ukrainian caption, title, menu text and message of the window, as the program shows them.
namespace rv::captions {

// Window and boxes
inline constexpr const char* kProgramTitle = "Равелта";
inline constexpr const char* kWindowCaption = "Равелта 1.1 від 25.08.2011";
inline constexpr const char* kAboutText = "Равелта 1.1 від 25.08.2011";
inline constexpr const char* kConfirmationTitle = "Підтвердження";
inline constexpr const char* kExitQuestion =
    "Дані були змінені. Ви дійсно бажаєте вийти з програми?";

// Actions (menu and tool bar)
inline constexpr const char* kNewPerson = "Нова особа";
inline constexpr const char* kSave = "Зберегти";
inline constexpr const char* kSaveAsMenu = "Зберегти як...";
inline constexpr const char* kLoad = "Завантажити";
inline constexpr const char* kLoadMenu = "Завантажити...";
inline constexpr const char* kExit = "Вихід";
inline constexpr const char* kPersonHelp = "Довідкові дані";
inline constexpr const char* kAbout = "Інформація про програму";
inline constexpr const char* kAddPerson = "Підтвердити";
inline constexpr const char* kVerifyExp = "Підтвердити стаж";
inline constexpr const char* kClear = "Очистити";
inline constexpr const char* kPrintXls = "Зберегти в xls";
inline constexpr const char* kVerifyEarning = "Підтвердити заробітки";
inline constexpr const char* kCalc = "Провести розрахунок*";
inline constexpr const char* kSuperSave = "Super Save";
inline constexpr const char* kSuperState = "Super State";

// Main menu
inline constexpr const char* kFileMenu = "Файл";
inline constexpr const char* kHelpMenu = "Допомога";
inline constexpr const char* kSuperMenu = "Super Menu";

// Person panel
inline constexpr const char* kPersonPanel = "Реквізити особи";
inline constexpr const char* kPersonName = "Ім'я особи";
inline constexpr const char* kBirthDate = "Дата народження";
inline constexpr const char* kGender = "Стать";
inline constexpr const char* kApplicationDate = "Дата звернення *";
inline constexpr const char* kApplicationDateHint = "Дата звернення за призначенням пенсії";
inline constexpr const char* kPersonFootnote =
    "* Дата звернення за призначенням пенсії. Пенсія за віком призначається з дня, що настає за "
    "днем досягнення пенсійного віку, якщо звернення за пенсією відбулося не пізніше трьох "
    "місяців з дня досягнення особою пенсійного віку. Якщо ж пізніше, то пенсія призначається з "
    "дня звернення за пенсією (абзац 1 статті 45 Закону України №1058-IV).";
inline constexpr const char* kCalendarButton = "Календар"; // accessible name, no tooltip

// Pages of pcMain
inline constexpr const char* kDictionaryPage = "Довідники";
inline constexpr const char* kInfoPage = "Інформація";
inline constexpr const char* kExpPage = "Трудовий стаж";
inline constexpr const char* kEarningPage = "Заробітки";
inline constexpr const char* kCalcPage = "Розрахунок";

// Sub-pages of pcDict
inline constexpr const char* kDictAvgZpMonth = "Середня ЗП по Україні (місячний)";
inline constexpr const char* kDictAvgZpYear = "Середня ЗП по Україні (річний)";
inline constexpr const char* kDictMinZp = "Мінімальна ЗП в Україні";
inline constexpr const char* kDictKoeff = "Коефіцієнти оцінки стажу";
inline constexpr const char* kDictMinPens = "Мінімальні пенсії за віком";
inline constexpr const char* kDictParam = "Параметри розрахунку";
inline constexpr const char* kDictMaxIncome = "Максимальний дохід, з якого сплачуються СВ";

// Column titles of the reference grids
inline constexpr const char* kDateBeginTitle = "Дата початку дії";
inline constexpr const char* kDateEndTitle = "Дата закінчення дії";
inline constexpr const char* kAvgZpTitle = "Середній розмір ЗП по НГ, грн";
inline constexpr const char* kMinZpTitle = "Мінімальна зарплата, грн";
inline constexpr const char* kParamValueTitle = "Значення параметру";
inline constexpr const char* kMaxIncomeTitle = "Розмір максимального доходу, грн";

} // namespace rv::captions
