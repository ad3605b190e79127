#pragma once

#include <QWidget>

#include <array>

class QCheckBox;

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
    // Shows or hides the sources' column of the dated reference grids.
    QCheckBox* cbShowSources() const { return m_showSources; }

protected:
    // The law's tables are read when the page is first shown, not at the window's start.
    void showEvent(QShowEvent* event) override;

private:
    PageControl* m_pages;
    Prompt& m_prompt;
    TdMain* m_dMain = nullptr;
    // The sources and flags of a dated grid's rows, in its extra columns and tooltips.
    void showProvenance(int gridIndex, const char* fileName, const std::string& beginField,
                        const std::string& keyField);
    void setSourcesShown(bool shown);

    std::array<DataGrid*, kGridCount> m_grids{};
    QCheckBox* m_showSources;
};

} // namespace rv
