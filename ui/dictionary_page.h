#pragma once

#include <QWidget>

#include <array>

namespace rv {

class DataGrid;
class PageControl;
class Prompt;
class TdMain;

// The page tsDictionary: the page control pcDict with one read-only grid per reference table
// (tsDict1..tsDict5, tsParam, tsMaxIncome) and two of the law (tsLaw: the dated rules with their
// sources, tsWomenAge: the women's pension age by birth date).
class DictionaryPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kGridCount = 9;

    DictionaryPage(Prompt& prompt, QWidget* parent = nullptr);

    // Binds the grids to the reference tables; unbound they stay empty.
    void bind(TdMain& dMain);

    PageControl* pcDict() const { return m_pages; }
    DataGrid* grid(int index) const { return m_grids.at(static_cast<std::size_t>(index)); }

private:
    PageControl* m_pages;
    std::array<DataGrid*, kGridCount> m_grids{};
};

} // namespace rv
