// The window's looks on the screen it runs on (CTest runs it on a 1280×720 screen and on a
// 2560×1440 screen at a scale of 2): its first size within the screen, nothing cut, and under a
// dark palette every grid, title, footer and tab caption readable. With RAVELTA_SCREENS=1 it saves
// a picture of every work tab, light and dark, named after RV_SCREEN_NAME.

#include "dark_palette.h"
#include "ui/footer_bar.h"
#include "window_session.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QStyleFactory>
#include <QtTest>

#include <memory>

using namespace rv;

namespace {

const PersonInput kMan{QStringLiteral("Петренко Петро Петрович"), QStringLiteral("15.03.1950"), 0,
                       QStringLiteral("20.03.2010")};
const QList<PeriodInput> kPeriods{{"01.09.1985", "31.08.1990"}, {"01.10.1990", "31.12.2005"}};
// Child care on the second period: the kinds show in the grids and the credited part in the
// experience footer.
const PeriodInput kChildCare{"01.03.1995", "31.08.1998"};

// Text reads on its background when their lightness differs by at least this much (of 255).
constexpr int kReadableGap = 100;

int lightnessGap(const QColor& text, const QColor& background) {
    return std::abs(text.lightness() - background.lightness());
}

QColor brushColour(const QVariant& value, const QColor& otherwise) {
    return value.canConvert<QBrush>() ? value.value<QBrush>().color() : otherwise;
}

// The lightest and darkest pixel of a rectangle of the picture.
std::pair<int, int> lightnessRange(const QImage& image, const QRect& area) {
    int lightest = 0;
    int darkest = 255;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const int lightness = image.pixelColor(x, y).lightness();
            lightest = std::max(lightest, lightness);
            darkest = std::min(darkest, lightness);
        }
    return {lightest, darkest};
}

} // namespace

class TestWindowLooks : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstSizeFitsTheScreen();
    void firstSizeIsTheDesignedOneWithinTheScreen_data();
    void firstSizeIsTheDesignedOneWithinTheScreen();
    void nothingIsCut();
    void darkPaletteKeepsEveryTextReadable();
    void savePictures_data();
    void savePictures();

private:
    void openWindow();
    // Person, periods, a few earnings, confirmed and calculated: every tab has content.
    void fillCase();

    WindowSession m_session;
    std::unique_ptr<ScriptedPrompt>& m_script = m_session.script;
    std::unique_ptr<TfrmMain>& m_window = m_session.window;
    std::unique_ptr<WindowDriver>& m_driver = m_session.driver;
};

void TestWindowLooks::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Ukrainian, QLocale::Ukraine));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void TestWindowLooks::init() {
    QApplication::setPalette(QApplication::style()->standardPalette());
    openWindow();
}

void TestWindowLooks::openWindow() {
    m_session.open();
}

void TestWindowLooks::cleanup() {
    m_session.close();
}

void TestWindowLooks::fillCase() {
    m_driver->fillPerson(kMan);
    m_driver->confirmPerson();
    m_driver->typePeriods(kPeriods + QList<PeriodInput>{kChildCare});
    m_driver->choosePeriodKind(int(kPeriods.size()), QStringLiteral("Догл")); // in date order
    m_driver->verifyPeriods();
    QVERIFY(m_driver->isEnabled(m_window->tsEarning));
    m_driver->clickTab(m_window->tsEarning);
    for (int month = 0; month < 12; ++month)
        m_driver->typeEarning(2003, month, QStringLiteral("1500"));
    m_driver->typeEarning(1993, 0, QStringLiteral("0,025"));
    m_driver->verifyEarnings();
    m_driver->clickTab(m_window->tsCalc);
    m_driver->calculate();
}

void TestWindowLooks::firstSizeFitsTheScreen() {
    const QRect available = m_window->screen()->availableGeometry();
    QVERIFY2(m_window->width() <= available.width() && m_window->height() <= available.height(),
             qPrintable(QStringLiteral("window %1×%2 on a screen of %3×%4")
                            .arg(m_window->width())
                            .arg(m_window->height())
                            .arg(available.width())
                            .arg(available.height())));
    // The layout does not force the window to grow beyond that.
    const QSize least = m_window->minimumSizeHint();
    QVERIFY2(least.width() <= available.width() && least.height() <= available.height(),
             qPrintable(QStringLiteral("the window needs at least %1×%2")
                            .arg(least.width())
                            .arg(least.height())));
}

void TestWindowLooks::firstSizeIsTheDesignedOneWithinTheScreen_data() {
    QTest::addColumn<QSize>("available");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("1600×1000") << QSize(1600, 960) << QSize(898, 743);
    QTest::newRow("1280×720") << QSize(1280, 690) << QSize(898, 642);
    QTest::newRow("1024×600") << QSize(1024, 570) << QSize(898, 522);
    QTest::newRow("800×600") << QSize(800, 600) << QSize(784, 552);
}

void TestWindowLooks::firstSizeIsTheDesignedOneWithinTheScreen() {
    QFETCH(QSize, available);
    QFETCH(QSize, expected);
    QCOMPARE(initialWindowSize(QSize(898, 743), available), expected);
}

// Every button, label and field of every page gets at least the room its text needs.
void TestWindowLooks::nothingIsCut() {
    fillCase();
    QVERIFY(!QTest::currentTestFailed());
    for (QWidget* page :
         {m_window->tsDictionary, m_window->tsExp, m_window->tsEarning, m_window->tsCalc}) {
        m_driver->clickTab(page);
        QCOMPARE(m_window->pcMain->currentPage(), page);
        for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
            if (!button->isVisible() || button->text().isEmpty())
                continue;
            QVERIFY2(button->width() >= button->minimumSizeHint().width(),
                     qPrintable(page->objectName() + QStringLiteral(": ") + button->text()));
        }
        for (QLabel* label : page->findChildren<QLabel*>()) {
            if (!label->isVisible() || label->text().isEmpty() || label->wordWrap())
                continue;
            QVERIFY2(label->width() >= label->minimumSizeHint().width(),
                     qPrintable(page->objectName() + QStringLiteral(": ") + label->text()));
        }
    }
    // The ledger's titles wrap by words, and no word of them is cut: after a calculation every
    // column shows, the kind and the reason too.
    m_driver->clickTab(m_window->tsEarning);
    QApplication::processEvents();
    QHeaderView* ledgerTitles = m_driver->ledgerView()->horizontalHeader();
    const int titleMargins =
        2 * ledgerTitles->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, ledgerTitles);
    for (int column = 0; column < ledgerTitles->count(); ++column) {
        QVERIFY(!ledgerTitles->isSectionHidden(column));
        const QString title =
            m_driver->ledgerView()->model()->headerData(column, Qt::Horizontal).toString();
        for (const QString& word : title.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            QVERIFY2(ledgerTitles->fontMetrics().horizontalAdvance(word) <=
                         ledgerTitles->sectionSize(column) - titleMargins,
                     qPrintable(QStringLiteral("%1 in %2 px")
                                    .arg(title)
                                    .arg(ledgerTitles->sectionSize(column))));
    }
    // The ledger's year and month stay whole however narrow the grid: the window at its narrowest.
    m_window->resize(m_window->minimumSizeHint().width(), m_window->height());
    QApplication::processEvents();
    QTableView* ledger = m_driver->ledgerView();
    const QAbstractItemView* cells = ledger; // QTableView hides sizeHintForColumn
    for (const int column : {EarningsTab::YearColumn, EarningsTab::MonthColumn})
        QVERIFY2(ledger->columnWidth(column) >= cells->sizeHintForColumn(column),
                 qPrintable(QStringLiteral("ledger column %1: %2 < %3")
                                .arg(column)
                                .arg(ledger->columnWidth(column))
                                .arg(cells->sizeHintForColumn(column))));
    for (QWidget* panel : {static_cast<QWidget*>(m_window->gbPers)}) {
        QVERIFY(panel->width() >= panel->minimumSizeHint().width());
        QVERIFY(panel->height() >= panel->minimumSizeHint().height());
    }
}

void TestWindowLooks::darkPaletteKeepsEveryTextReadable() {
    QApplication::setPalette(darkPalette());
    openWindow();
    fillCase();
    QVERIFY(!QTest::currentTestFailed());
    const QPalette palette = QApplication::palette();

    // The cells and titles of every grid: the text colour stands out from the cell's.
    for (DataGrid* grid : m_window->findChildren<DataGrid*>()) {
        const QAbstractItemModel* model = grid->view()->model();
        if (!model || model->rowCount() == 0)
            continue;
        const QColor base = grid->view()->palette().color(QPalette::Base);
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex cell = model->index(0, column);
            const QColor background = brushColour(cell.data(Qt::BackgroundRole), base);
            const QColor text =
                brushColour(cell.data(Qt::ForegroundRole), palette.color(QPalette::Text));
            QVERIFY2(lightnessGap(text, background) >= kReadableGap,
                     qPrintable(QStringLiteral("%1 column %2: text %3 on %4")
                                    .arg(grid->objectName())
                                    .arg(column)
                                    .arg(text.name(), background.name())));
            const QColor titleBackground =
                brushColour(model->headerData(column, Qt::Horizontal, Qt::BackgroundRole),
                            palette.color(QPalette::Button));
            const QColor titleText =
                brushColour(model->headerData(column, Qt::Horizontal, Qt::ForegroundRole),
                            palette.color(QPalette::ButtonText));
            QVERIFY2(lightnessGap(titleText, titleBackground) >= kReadableGap,
                     qPrintable(QStringLiteral("%1 title %2").arg(grid->objectName()).arg(column)));
        }
    }

    // Painted: the earnings footer and every tab caption show ink that stands out.
    m_driver->clickTab(m_window->tsEarning);
    FooterBar* footer = m_window->earningsTab->grdEarning->footer();
    const QImage footerPicture = footer->grab().toImage();
    const qreal scale = footerPicture.devicePixelRatio();
    const QRect sum = footer->cellRect(EarningsTab::PaymentColumn);
    const auto [footerLightest, footerDarkest] =
        lightnessRange(footerPicture, QRect(sum.topLeft() * scale, sum.size() * scale));
    QVERIFY2(
        footerLightest - footerDarkest >= kReadableGap,
        qPrintable(QStringLiteral("footer ink %1..%2").arg(footerDarkest).arg(footerLightest)));

    // The label "Трудовий стаж складає:" painted over the experience footer's date cells.
    m_driver->clickTab(m_window->tsExp);
    FooterBar* expFooter = m_window->experienceTab->grdExp->footer();
    const QImage expPicture = expFooter->grab().toImage();
    const qreal expScale = expPicture.devicePixelRatio();
    const QRect label = expFooter->cellRect(0).adjusted(2, 2, -3, -2); // inside the cell lines
    const auto [labelLightest, labelDarkest] =
        lightnessRange(expPicture, QRect(label.topLeft() * expScale, label.size() * expScale));
    QVERIFY2(
        labelLightest - labelDarkest >= kReadableGap,
        qPrintable(
            QStringLiteral("experience footer ink %1..%2").arg(labelDarkest).arg(labelLightest)));
    // And the part credited without work, beside the total.
    QVERIFY(!expFooter->cellText(ExperienceTab::KindColumn).isEmpty());
    const QRect share = expFooter->cellRect(ExperienceTab::KindColumn).adjusted(2, 2, -3, -2);
    const auto [shareLightest, shareDarkest] =
        lightnessRange(expPicture, QRect(share.topLeft() * expScale, share.size() * expScale));
    QVERIFY2(shareLightest - shareDarkest >= kReadableGap,
             qPrintable(
                 QStringLiteral("credited part ink %1..%2").arg(shareDarkest).arg(shareLightest)));

    TabStrip* tabs = m_window->pcMain->tabStrip();
    const QImage tabPicture = tabs->grab().toImage();
    for (int index = 0; index < m_window->pcMain->count(); ++index) {
        const QRect tab = tabs->tabRect(index).adjusted(6, 4, -6, -4);
        const qreal tabScale = tabPicture.devicePixelRatio();
        const auto [lightest, darkest] =
            lightnessRange(tabPicture, QRect(tab.topLeft() * tabScale, tab.size() * tabScale));
        QVERIFY2(lightest - darkest >= kReadableGap,
                 qPrintable(QStringLiteral("tab %1 ink %2..%3")
                                .arg(m_window->pcMain->caption(index))
                                .arg(darkest)
                                .arg(lightest)));
    }
}

void TestWindowLooks::savePictures_data() {
    QTest::addColumn<bool>("dark");
    QTest::newRow("light") << false;
    QTest::newRow("dark") << true;
}

void TestWindowLooks::savePictures() {
    QFETCH(bool, dark);
    if (qEnvironmentVariableIntValue("RAVELTA_SCREENS") != 1)
        QSKIP("pictures only with RAVELTA_SCREENS=1");
    if (dark) {
        QApplication::setPalette(darkPalette());
        openWindow();
    }
    fillCase();
    QVERIFY(!QTest::currentTestFailed());
    const QString folder = QStringLiteral(RV_SCREENS_DIR);
    QVERIFY(QDir().mkpath(folder));
    const QString prefix = QStringLiteral("%1/looks_%2_%3_")
                               .arg(folder, qEnvironmentVariable("RV_SCREEN_NAME", "screen"),
                                    dark ? QStringLiteral("dark") : QStringLiteral("light"));
    for (QWidget* page :
         {m_window->tsDictionary, m_window->tsExp, m_window->tsEarning, m_window->tsCalc}) {
        m_driver->clickTab(page);
        QVERIFY(m_window->grab().save(prefix + page->objectName() + QStringLiteral(".png")));
    }
}

QTEST_MAIN(TestWindowLooks)

#include "tst_window_looks.moc"
