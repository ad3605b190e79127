// Draws the statement fixtures of tests/data/import/forms/ as a report generator does: each page
// a table of cells with grid lines, the text of every cell drawn on its own, cell by cell and row
// by row, long texts wrapped inside their cells, amounts right-aligned, a running header with the
// person's name and a footer with the page number on every page. Beside each NAME.pdf it writes
// NAME.expected.json from the same data the tables are drawn from, so the two agree to the kopeck.
//
// All people, employers, codes and amounts are invented; the identification codes only carry
// valid check digits.
//
//   QT_QPA_PLATFORM=offscreen make_statement_pdfs OUTDIR
//
// See tests/data/import/forms/README.md for the whole regeneration (pdftotext, browser copy).

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMap>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QVector>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <utility>

namespace {

// ---------------------------------------------------------------------------------------------
// Numbers as the forms print them

// "3 432,56": whole part grouped by threes with a plain space, comma before the kopecks.
QString groupDigits(qint64 whole)
{
    QString digits = QString::number(whole);
    QString out;
    const int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += QLatin1Char(' ');
        out += digits[i];
    }
    return out;
}

QString money(qint64 kop)
{
    const bool negative = kop < 0;
    if (negative)
        kop = -kop;
    QString s = groupDigits(kop / 100) + QLatin1Char(',') +
                QStringLiteral("%1").arg(kop % 100, 2, 10, QLatin1Char('0'));
    return negative ? QLatin1Char('-') + s : s;
}

// Karbovanets of 1993-1996 printed as whole numbers: "12 600 000".
QString wholeMoney(qint64 kop) { return groupDigits((kop + 50) / 100); }

// Experience in hundredths of a month: "1", "0", "0,55", "7,55", "12".
QString experienceText(int hundredths)
{
    if (hundredths % 100 == 0)
        return QString::number(hundredths / 100);
    return QStringLiteral("%1,%2").arg(hundredths / 100).arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

QString jsonAmount(qint64 kop)
{
    if (kop % 100 == 0)
        return QString::number(kop / 100);
    return QStringLiteral("%1.%2").arg(kop / 100).arg(kop % 100, 2, 10, QLatin1Char('0'));
}

QString jsonExperience(int hundredths)
{
    if (hundredths % 100 == 0)
        return QString::number(hundredths / 100);
    QString s = QStringLiteral("%1.%2").arg(hundredths / 100).arg(hundredths % 100, 2, 10, QLatin1Char('0'));
    if (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    return s;
}

QString twoDigits(int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); }

// ---------------------------------------------------------------------------------------------
// Identification codes with valid check digits

// RNOKPP: days since 31.12.1899 to the birth date (5 digits), a serial of 4 digits whose last one
// is even for a woman and odd for a man, and the check digit: weights -1,5,7,9,4,6,10,5,7 over
// the first nine digits, the sum mod 11 mod 10.
QString makeRnokpp(const QDate& birth, int serial3, bool female)
{
    const qint64 days = QDate(1899, 12, 31).daysTo(birth);
    int sexDigit = (serial3 * 7) % 10;
    if ((sexDigit % 2 == 0) != female)
        sexDigit = (sexDigit + 1) % 10;
    QString s = QStringLiteral("%1%2%3")
                    .arg(days, 5, 10, QLatin1Char('0'))
                    .arg(serial3, 3, 10, QLatin1Char('0'))
                    .arg(sexDigit);
    static const int weights[9] = {-1, 5, 7, 9, 4, 6, 10, 5, 7};
    int sum = 0;
    for (int i = 0; i < 9; ++i)
        sum += weights[i] * s[i].digitValue();
    const int check = ((sum % 11) + 11) % 11 % 10;
    return s + QString::number(check);
}

// EDRPOU: seven digits and a check digit; weights 1..7 (7,1,2,...,6 for codes between 30000000
// and 60000000), and when the remainder mod 11 is 10 the weights raised by 2, 10 again giving 0.
QString makeEdrpou(int first7)
{
    QString s = QStringLiteral("%1").arg(first7, 7, 10, QLatin1Char('0'));
    const qint64 asEight = static_cast<qint64>(first7) * 10;
    const bool middle = asEight >= 30000000 && asEight <= 60000000;
    int w[7];
    for (int i = 0; i < 7; ++i)
        w[i] = middle ? (i == 0 ? 7 : i) : i + 1;
    auto remainder = [&](int add) {
        int sum = 0;
        for (int i = 0; i < 7; ++i)
            sum += (w[i] + add) * s[i].digitValue();
        return sum % 11;
    };
    int check = remainder(0);
    if (check == 10) {
        check = remainder(2);
        if (check == 10)
            check = 0;
    }
    return s + QString::number(check);
}

// ---------------------------------------------------------------------------------------------
// A small deterministic generator so that the amounts are the same on every machine.

class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // A number in [lo, hi] in steps of a millionth of the span.
    double uniform(double lo, double hi)
    {
        const double u = static_cast<double>(next() % 1000000) / 1000000.0;
        return lo + (hi - lo) * u;
    }

private:
    std::uint64_t state_;
};

// ---------------------------------------------------------------------------------------------
// Economy: the minimum wage in force in a month and the national average wage of a year (UAH),
// rounded figures of the right size.

double minimumWage(int y, int m)
{
    struct Step { int y, m; double amount; };
    static const Step steps[] = {
        {2000, 1, 118},  {2002, 1, 165},  {2003, 1, 185},  {2004, 1, 205},  {2004, 12, 237},
        {2005, 1, 262},  {2005, 4, 290},  {2005, 7, 310},  {2005, 9, 332},  {2006, 1, 350},
        {2006, 7, 375},  {2006, 12, 400}, {2007, 4, 420},  {2007, 10, 440}, {2007, 12, 460},
        {2008, 1, 515},  {2008, 4, 525},  {2008, 10, 545}, {2008, 12, 605}, {2009, 11, 744},
        {2010, 1, 869},  {2010, 4, 884},  {2010, 7, 888},  {2010, 10, 907}, {2010, 12, 922},
        {2011, 1, 941},  {2011, 4, 960},  {2011, 10, 985}, {2011, 12, 1004}, {2012, 1, 1073},
        {2012, 4, 1094}, {2012, 7, 1102}, {2012, 10, 1118}, {2012, 12, 1134}, {2013, 1, 1147},
        {2013, 12, 1218}, {2015, 9, 1378}, {2016, 5, 1450}, {2016, 12, 1600}, {2017, 1, 3200},
        {2018, 1, 3723}, {2019, 1, 4173}, {2020, 1, 4723}, {2020, 9, 5000}, {2021, 1, 6000},
        {2021, 12, 6500}, {2022, 10, 6700}, {2024, 1, 7100}, {2024, 4, 8000},
    };
    double amount = 118;
    for (const Step& s : steps)
        if (s.y * 100 + s.m <= y * 100 + m)
            amount = s.amount;
    return amount;
}

double averageWage(int y)
{
    static const std::map<int, double> avg = {
        {1994, 60},    {1995, 73},    {1996, 126},   {1997, 143},   {1998, 153},
        {1999, 178},   {2000, 230},   {2001, 311},   {2002, 376},   {2003, 462},
        {2004, 590},   {2005, 806},   {2006, 1041},  {2007, 1351},  {2008, 1806},
        {2009, 1906},  {2010, 2239},  {2011, 2633},  {2012, 3026},  {2013, 3265},
        {2014, 3480},  {2015, 4195},  {2016, 5183},  {2017, 7104},  {2018, 8865},
        {2019, 10497}, {2020, 11591}, {2021, 14014}, {2022, 14577}, {2023, 17442},
        {2024, 20000}, {2025, 23000},
    };
    return avg.at(y);
}

// The part of the wage paid as contributions, as these statements show it: before 2011 the
// employer's 33,2 % and the person's 2 %, 2011-2015 with 3,6 %, from 2016 the single 22 %.
double contributionRate(int y)
{
    if (y < 2011)
        return 0.352;
    if (y < 2016)
        return 0.368;
    return 0.22;
}

// ---------------------------------------------------------------------------------------------
// People, employers, careers

struct Person {
    QString surname, given, patronymic;
    QDate birth;
    bool female = false;
    QString rnokpp;
    QString fullName() const { return surname + QLatin1Char(' ') + given + QLatin1Char(' ') + patronymic; }
};

Person makePerson(const QString& surname, const QString& given, const QString& patronymic, QDate birth,
                  bool female, int serial)
{
    Person p{surname, given, patronymic, birth, female, {}};
    p.rnokpp = makeRnokpp(birth, serial, female);
    return p;
}

struct Employer {
    QString code;
    QString name;
};

// SocialCare: months of care for a child under three or for a person with a disability, for which
// a social protection body pays the contribution on the minimum wage: wage 0,00, a full month.
enum class Kind { Work, SocialCare };

struct Spell {
    int employer = 0;
    QDate from, to;   // inclusive
    double coef = 1;  // monthly wage as a share of the year's national average
    Kind kind = Kind::Work;
    int sign = 1;     // "Ознака": 1 main job, 2 a second job or a civil contract
    QString category = QStringLiteral("1");
    QSet<int> skip;   // yyyymm without any record (unpaid leave, idle months)
};

struct Rec {
    int y = 0, m = 0;
    int employer = 0;
    qint64 wage = 0;     // kopecks
    qint64 contrib = 0;  // kopecks
    int exp = 0;         // hundredths of a month
    int sign = 1;
    QString category;
};

// One record per month of each spell within [fromYear, toYear]. Experience: before 2004 the share
// of the month's calendar days worked; from 2004 the wage against the minimum wage, at most 1.
QVector<Rec> makeRecords(const QVector<Spell>& spells, int fromYear, int toYear, std::uint64_t seed)
{
    Rng rng(seed);
    QVector<Rec> recs;
    for (const Spell& s : spells) {
        QDate month(std::max(s.from.year(), 1900), s.from.month(), 1);
        for (; month <= s.to; month = month.addMonths(1)) {
            const int y = month.year(), m = month.month();
            // Draw the noise for every month so that the amounts do not depend on the window.
            const double noise = rng.uniform(-0.06, 0.10);
            const bool bonus = rng.uniform(0, 1) < 0.45;
            if (y < fromYear || y > toYear || s.skip.contains(y * 100 + m))
                continue;
            const QDate first = std::max(s.from, month);
            const QDate last = std::min(s.to, month.addMonths(1).addDays(-1));
            const int daysWorked = static_cast<int>(first.daysTo(last)) + 1;
            const double fraction = static_cast<double>(daysWorked) / month.daysInMonth();
            Rec r;
            r.y = y;
            r.m = m;
            r.employer = s.employer;
            r.sign = s.sign;
            r.category = s.category;
            const double minKop = minimumWage(y, m) * 100.0;
            if (s.kind == Kind::SocialCare) {
                r.wage = 0;
                r.contrib = std::llround(minKop * contributionRate(y));
                r.exp = 100;
            } else {
                double full = s.coef * averageWage(y) * 100.0 * (1.0 + noise) * (1.0 + 0.008 * (m - 1));
                if (m == 12 && bonus)
                    full *= 1.35;
                r.wage = std::llround(full * fraction);
                r.contrib = std::llround(static_cast<double>(r.wage) * contributionRate(y));
                if (y < 2004)
                    r.exp = static_cast<int>(std::lround(fraction * 100.0));
                else
                    r.exp = static_cast<int>(std::min<qint64>(100, std::llround(100.0 * r.wage / minKop)));
            }
            recs.append(r);
        }
    }
    std::stable_sort(recs.begin(), recs.end(), [](const Rec& a, const Rec& b) {
        return std::make_pair(a.y * 100 + a.m, a.employer) < std::make_pair(b.y * 100 + b.m, b.employer);
    });
    return recs;
}

// ---------------------------------------------------------------------------------------------
// Page layout: a flow of paragraphs and tables cut into pages, measured with the PDF's own fonts.

constexpr double kDpi = 600.0;
double dev(double mm) { return mm * kDpi / 25.4; }
double mmOf(double deviceUnits) { return deviceUnits * 25.4 / kDpi; }

QString gFamily = QStringLiteral("DejaVu Sans");

QFont makeFont(double pt, bool bold)
{
    QFont f(gFamily);
    f.setPointSizeF(pt);
    f.setBold(bold);
    return f;
}

enum Side { kLeft = 1, kTop = 2, kRightSide = 4, kBottom = 8, kAll = 15 };

struct Op {
    QRectF r;  // mm
    QString text;
    double pt = 7;
    bool bold = false;
    int align = Qt::AlignLeft | Qt::AlignVCenter;
    bool wrap = true;
    int borders = 0;
    bool shade = false;
    double padH = 0.8, padV = 0.6;
};

struct Cell {
    QString text;
    int col = 0;
    int colspan = 1;
    int rowspan = 1;  // header rows only
    int align = Qt::AlignLeft | Qt::AlignVCenter;
    bool bold = false;
    bool wrap = true;
    bool shade = false;
    int borders = kAll;
};

struct Row {
    QVector<Cell> cells;
    double minHeight = 0;
    double pt = 0;  // 0: the table's
};

struct Table {
    QVector<double> widths;
    QVector<Row> header;
    QVector<Row> body;
    double pt = 7;
    double headerPt = 6.5;
    bool borders = true;
    bool headerShade = true;
    double padH = 0.8, padV = 0.6;
};

struct PageFrame {
    QString headLeft, headRight;  // running header
    QString footLeft;             // footer; "Сторінка N з M" is added on the right
};

class Doc {
public:
    Doc(QPaintDevice* device, QPageLayout::Orientation o) : device_(device)
    {
        const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
        pageW_ = o == QPageLayout::Landscape ? a4.height() : a4.width();
        pageH_ = o == QPageLayout::Landscape ? a4.width() : a4.height();
    }

    double pageW() const { return pageW_; }
    double pageH() const { return pageH_; }
    double contentW() const { return pageW_ - marginL_ - marginR_; }
    double left() const { return marginL_; }
    void setMargins(double l, double r) { marginL_ = l; marginR_ = r; }

    int pageCount() const { return static_cast<int>(pages_.size()); }

    // Measured height in mm of text set in a box of the given width.
    double textHeight(const QString& text, double pt, bool bold, double widthMm, bool wrap) const
    {
        QFontMetricsF fm(makeFont(pt, bold), device_);
        if (text.isEmpty())
            return mmOf(fm.height());
        const int flags = wrap ? Qt::TextWordWrap : Qt::TextSingleLine;
        const QRectF br = fm.boundingRect(QRectF(0, 0, dev(widthMm), 1e9), flags, text);
        // Warn when a word or an unwrapped text does not fit: Qt would then break or overflow it.
        const QStringList words = wrap ? text.split(QLatin1Char(' ')) : QStringList{text};
        for (const QString& w : words)
            if (!w.isEmpty() && mmOf(fm.horizontalAdvance(w)) > widthMm + 0.01)
                std::fprintf(stderr, "warning: \"%s\" is wider than its cell (%.1f mm > %.1f mm)\n",
                             qPrintable(w), mmOf(fm.horizontalAdvance(w)), widthMm);
        return mmOf(br.height());
    }

    void newPage()
    {
        pages_.append(QVector<Op>());
        y_ = bodyTop_;
    }

    void ensureStarted()
    {
        if (pages_.isEmpty())
            newPage();
    }

    double remaining() const { return pageH_ - bodyBottom_ - y_; }

    void space(double mm)
    {
        ensureStarted();
        y_ += mm;
    }

    void pageBreak() { newPage(); }

    // A paragraph of wrapped text at x (from the left margin) and width (0: to the right margin).
    void para(const QString& text, double pt, bool bold = false, int align = Qt::AlignLeft, double x = 0,
              double width = 0, double after = 1.0)
    {
        ensureStarted();
        if (width <= 0)
            width = contentW() - x;
        const double h = textHeight(text, pt, bold, width, true);
        if (h > remaining())
            newPage();
        Op op;
        op.r = QRectF(marginL_ + x, y_, width, h);
        op.text = text;
        op.pt = pt;
        op.bold = bold;
        op.align = align | Qt::AlignTop;
        op.padH = op.padV = 0;
        pages_.last().append(op);
        y_ += h + after;
    }

    // Two texts on one line: one at the left margin, one at the right.
    void twoSided(const QString& leftText, const QString& rightText, double pt, bool bold, double after = 1.0)
    {
        ensureStarted();
        const double h = std::max(textHeight(leftText, pt, bold, contentW() / 2, true),
                                  textHeight(rightText, pt, bold, contentW() / 2, true));
        Op l;
        l.r = QRectF(marginL_, y_, contentW() / 2, h);
        l.text = leftText;
        l.pt = pt;
        l.bold = bold;
        l.align = Qt::AlignLeft | Qt::AlignTop;
        l.padH = l.padV = 0;
        Op r = l;
        r.r.moveLeft(marginL_ + contentW() / 2);
        r.text = rightText;
        r.align = Qt::AlignRight | Qt::AlignTop;
        pages_.last().append(l);
        pages_.last().append(r);
        y_ += h + after;
    }

    void table(const Table& t, double x = 0, double after = 2.0)
    {
        ensureStarted();
        QVector<double> colX{marginL_ + x};
        for (double w : t.widths)
            colX.append(colX.last() + w);
        const double tableW = colX.last() - colX.first();
        auto spanW = [&](const Cell& c) { return colX[c.col + c.colspan] - colX[c.col]; };
        auto need = [&](const Cell& c, double pt, bool bold) {
            return textHeight(c.text, pt, bold, spanW(c) - 2 * t.padH, c.wrap) + 2 * t.padV;
        };

        // Header rows: each row as tall as its one-row cells, the last row of a taller spanning
        // cell made up to it.
        QVector<double> hh(t.header.size(), 0.0);
        for (int r = 0; r < t.header.size(); ++r)
            for (const Cell& c : t.header[r].cells)
                if (c.rowspan == 1)
                    hh[r] = std::max(hh[r], need(c, t.headerPt, true));
        for (int r = 0; r < t.header.size(); ++r)
            for (const Cell& c : t.header[r].cells)
                if (c.rowspan > 1) {
                    double sum = 0;
                    for (int k = r; k < r + c.rowspan; ++k)
                        sum += hh[k];
                    const double n = need(c, t.headerPt, true);
                    if (n > sum)
                        hh[r + c.rowspan - 1] += n - sum;
                }
        double headerH = 0;
        for (double h : hh)
            headerH += h;

        auto placeHeader = [&]() {
            double yy = y_;
            for (int r = 0; r < t.header.size(); ++r) {
                for (const Cell& c : t.header[r].cells) {
                    double h = 0;
                    for (int k = r; k < r + c.rowspan; ++k)
                        h += hh[k];
                    Op op;
                    op.r = QRectF(colX[c.col], yy, spanW(c), h);
                    op.text = c.text;
                    op.pt = t.headerPt;
                    op.bold = true;
                    op.align = c.align;
                    op.wrap = c.wrap;
                    op.borders = t.borders ? c.borders : 0;
                    op.shade = t.headerShade;
                    op.padH = t.padH;
                    op.padV = t.padV;
                    pages_.last().append(op);
                }
                yy += hh[r];
            }
            y_ += headerH;
        };

        QVector<double> rh;
        for (const Row& row : t.body) {
            double h = row.minHeight;
            const double pt = row.pt > 0 ? row.pt : t.pt;
            for (const Cell& c : row.cells)
                h = std::max(h, need(c, pt, c.bold));
            rh.append(h);
        }

        if (headerH + (rh.isEmpty() ? 0 : rh.first()) > remaining())
            newPage();
        placeHeader();
        for (int i = 0; i < t.body.size(); ++i) {
            if (rh[i] > remaining()) {
                // Close the table at the foot of the page, go on under a repeated header.
                if (t.borders) {
                    Op line;
                    line.r = QRectF(colX.first(), y_, tableW, 0);
                    line.borders = kTop;
                    pages_.last().append(line);
                }
                newPage();
                placeHeader();
            }
            const Row& row = t.body[i];
            const double pt = row.pt > 0 ? row.pt : t.pt;
            for (const Cell& c : row.cells) {
                Op op;
                op.r = QRectF(colX[c.col], y_, spanW(c), rh[i]);
                op.text = c.text;
                op.pt = pt;
                op.bold = c.bold;
                op.align = c.align;
                op.wrap = c.wrap;
                op.borders = t.borders ? c.borders : 0;
                op.shade = c.shade;
                op.padH = t.padH;
                op.padV = t.padV;
                pages_.last().append(op);
            }
            y_ += rh[i];
        }
        y_ += after;
    }

    void render(QPdfWriter& writer, const PageFrame& frame) const
    {
        QPainter p(&writer);
        const int total = pageCount();
        for (int i = 0; i < total; ++i) {
            if (i > 0)
                writer.newPage();
            // As a banded report: the page header, the body, the page footer. In the body the
            // shading first, then the grid lines, then the texts, cell by cell in the order laid out.
            drawPageHeader(p, frame);
            for (const Op& op : pages_[i])
                if (op.shade)
                    p.fillRect(box(op.r), QColor(0xE8, 0xE8, 0xE8));
            p.setPen(QPen(Qt::black, dev(0.18)));
            for (const Op& op : pages_[i])
                drawBorders(p, op);
            for (const Op& op : pages_[i])
                drawText(p, op);
            drawPageFooter(p, frame, i + 1, total);
        }
        p.end();
    }

private:
    static QRectF box(const QRectF& mm) { return QRectF(dev(mm.x()), dev(mm.y()), dev(mm.width()), dev(mm.height())); }

    static void drawBorders(QPainter& p, const Op& op)
    {
        const QRectF r = box(op.r);
        if (op.borders & kTop)
            p.drawLine(r.topLeft(), r.topRight());
        if (op.borders & kBottom)
            p.drawLine(r.bottomLeft(), r.bottomRight());
        if (op.borders & kLeft)
            p.drawLine(r.topLeft(), r.bottomLeft());
        if (op.borders & kRightSide)
            p.drawLine(r.topRight(), r.bottomRight());
    }

    static void drawText(QPainter& p, const Op& op)
    {
        if (op.text.isEmpty())
            return;
        p.setFont(makeFont(op.pt, op.bold));
        const QRectF inner = box(op.r.adjusted(op.padH, op.padV, -op.padH, -op.padV));
        p.drawText(inner, op.align | (op.wrap ? Qt::TextWordWrap : Qt::TextSingleLine), op.text);
    }

    void drawPageHeader(QPainter& p, const PageFrame& f) const
    {
        const double w = contentW();
        p.setPen(QPen(Qt::black, dev(0.18)));
        p.setFont(makeFont(6.5, false));
        p.drawText(box(QRectF(marginL_, 5, w * 0.62, 4)), Qt::AlignLeft | Qt::AlignBottom, f.headLeft);
        p.drawText(box(QRectF(marginL_ + w * 0.62, 5, w * 0.38, 4)), Qt::AlignRight | Qt::AlignBottom, f.headRight);
        p.drawLine(QPointF(dev(marginL_), dev(9.6)), QPointF(dev(marginL_ + w), dev(9.6)));
    }

    void drawPageFooter(QPainter& p, const PageFrame& f, int page, int total) const
    {
        const double w = contentW();
        p.setPen(QPen(Qt::black, dev(0.18)));
        p.setFont(makeFont(6.5, false));
        const double fy = pageH_ - 9.0;
        p.drawLine(QPointF(dev(marginL_), dev(fy)), QPointF(dev(marginL_ + w), dev(fy)));
        p.drawText(box(QRectF(marginL_, fy + 0.8, w * 0.75, 4)), Qt::AlignLeft | Qt::AlignTop, f.footLeft);
        p.drawText(box(QRectF(marginL_ + w * 0.75, fy + 0.8, w * 0.25, 4)), Qt::AlignRight | Qt::AlignTop,
                   QStringLiteral("Сторінка %1 з %2").arg(page).arg(total));
    }

    QPaintDevice* device_;
    double pageW_ = 210, pageH_ = 297;
    double marginL_ = 10, marginR_ = 10;
    double bodyTop_ = 12.5, bodyBottom_ = 11.0;
    double y_ = 0;
    QVector<QVector<Op>> pages_;
};

// A PDF of A4 pages with no printer margins: the layout places everything itself.
struct PdfTarget {
    QString path;
    QPdfWriter writer;
    PdfTarget(const QString& p, QPageLayout::Orientation o, const QString& title) : path(p), writer(p)
    {
        writer.setResolution(static_cast<int>(kDpi));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), o, QMarginsF(0, 0, 0, 0)));
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("make_statement_pdfs (Ravelta test fixtures)"));
    }
};

// Qt stamps a PDF with the time it was written; put there the time the footer says the statement
// was made ("Сформовано 05.02.2025 10:14:37"), so that the files come out the same on every run.
// The date has the same length, so no offset in the file moves.
void stampCreationDate(const QString& path, const QString& footLeft)
{
    static const QRegularExpression made(QStringLiteral("(\\d\\d)\\.(\\d\\d)\\.(\\d{4}) (\\d\\d):(\\d\\d):(\\d\\d)"));
    const QRegularExpressionMatch m = made.match(footLeft);
    QFile f(path);
    if (!m.hasMatch() || !f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot stamp %s\n", qPrintable(path));
        std::exit(1);
    }
    QByteArray pdf = f.readAll();
    f.close();
    static const QRegularExpression stamp(QStringLiteral("/CreationDate \\(D:\\d{14}Z\\)"));
    const QString wanted = QStringLiteral("/CreationDate (D:%1%2%3%4%5%6Z)")
                               .arg(m.captured(3), m.captured(2), m.captured(1), m.captured(4), m.captured(5), m.captured(6));
    QString latin = QString::fromLatin1(pdf);
    const QRegularExpressionMatch old = stamp.match(latin);
    if (!old.hasMatch() || old.capturedLength() != wanted.size()) {
        std::fprintf(stderr, "no creation date in %s\n", qPrintable(path));
        std::exit(1);
    }
    pdf.replace(old.capturedStart(), old.capturedLength(), wanted.toLatin1());
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(pdf) != pdf.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

// ---------------------------------------------------------------------------------------------
// Expected months

struct MonthTotal {
    qint64 amount = 0;
    int exp = 0;
    QString currency;
};

void writeExpected(const QString& path, const Person& p, const QString& name,
                   const std::map<int, MonthTotal>& months, bool withExperience, bool withCurrency,
                   const QString& namePrinted = QString())
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    QTextStream out(&f);
    out << "{\n  \"person\": {\"name\": \"" << name << "\", ";
    if (!namePrinted.isEmpty())
        out << "\"name_printed\": \"" << namePrinted << "\", ";
    out << "\"rnokpp\": \"" << p.rnokpp << "\", \"birth_date\": \"" << p.birth.toString(QStringLiteral("dd.MM.yyyy"))
        << "\"},\n  \"months\": [\n";
    int i = 0;
    for (const auto& [ym, t] : months) {
        out << "    {\"year\": " << ym / 100 << ", \"month\": " << ym % 100 << ", \"amount\": " << jsonAmount(t.amount);
        if (withCurrency)
            out << ", \"currency\": \"" << t.currency << "\"";
        if (withExperience)
            out << ", \"experience\": " << jsonExperience(std::min(100, t.exp));
        out << "}" << (++i < static_cast<int>(months.size()) ? ",\n" : "\n");
    }
    out << "  ]\n}\n";
}

std::map<int, MonthTotal> monthTotals(const QVector<Rec>& recs)
{
    std::map<int, MonthTotal> months;
    for (const Rec& r : recs) {
        MonthTotal& t = months[r.y * 100 + r.m];
        t.amount += r.wage;
        t.exp += r.exp;
    }
    return months;
}

// ---------------------------------------------------------------------------------------------
// Common pieces of the Fund's statements

const QString kWageLabel = QStringLiteral("Сума заробітку (доходу)");
const QString kContribLabel = QStringLiteral("Сума сплачених страхових внесків");
const QString kExpLabel = QStringLiteral("Страховий стаж (місяців)");

constexpr int kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr int kCenter = Qt::AlignHCenter | Qt::AlignVCenter;
constexpr int kLeftV = Qt::AlignLeft | Qt::AlignVCenter;

Cell cell(const QString& text, int col, int align = kLeftV, int colspan = 1)
{
    Cell c;
    c.text = text;
    c.col = col;
    c.align = align;
    c.colspan = colspan;
    return c;
}

Cell numberCell(const QString& text, int col)
{
    Cell c = cell(text, col, kRight);
    c.wrap = false;
    return c;
}

void personTable(Doc& d, const Person& p, double labelW, double valueW, double pt)
{
    Table t;
    t.widths = {labelW, valueW};
    t.pt = pt;
    const QString sex = p.female ? QStringLiteral("жіноча") : QStringLiteral("чоловіча");
    const QStringList labels = {QStringLiteral("Прізвище, ім’я, по батькові"), QStringLiteral("Дата народження"),
                                QStringLiteral("РНОКПП"), QStringLiteral("Стать")};
    const QStringList values = {p.fullName(), p.birth.toString(QStringLiteral("dd.MM.yyyy")), p.rnokpp, sex};
    for (int i = 0; i < labels.size(); ++i) {
        Row r;
        Cell l = cell(labels[i], 0);
        l.shade = true;
        Cell v = cell(values[i], 1);
        v.bold = i == 0;
        r.cells = {l, v};
        t.body.append(r);
    }
    d.table(t);
}

// Employers of the records in order of their first month.
QVector<int> employersInOrder(const QVector<Rec>& recs)
{
    QVector<int> order;
    for (const Rec& r : recs)
        if (!order.contains(r.employer))
            order.append(r.employer);
    return order;
}

void insurersTable(Doc& d, const QVector<Employer>& employers, const QVector<int>& order, double nameW)
{
    Table t;
    t.widths = {10, 22, nameW};
    t.pt = 7;
    Row h;
    h.cells = {cell(QStringLiteral("№ з/п"), 0, kCenter), cell(QStringLiteral("Код ЄДРПОУ"), 1, kCenter),
               cell(QStringLiteral("Назва страхувальника"), 2, kCenter)};
    t.header = {h};
    int n = 0;
    for (int e : order) {
        Row r;
        r.cells = {cell(QString::number(++n), 0, kCenter), cell(employers[e].code, 1, kCenter),
                   cell(employers[e].name, 2)};
        t.body.append(r);
    }
    d.table(t);
}

// Per employer and year: the twelve months' records.
struct YearBlock {
    int employer;
    int sign;
    std::optional<Rec> months[12];
};

QMap<int, QVector<YearBlock>> yearBlocks(const QVector<Rec>& recs, const QVector<int>& order)
{
    QMap<int, QVector<YearBlock>> years;
    for (const Rec& r : recs) {
        QVector<YearBlock>& blocks = years[r.y];
        auto it = std::find_if(blocks.begin(), blocks.end(), [&](const YearBlock& b) { return b.employer == r.employer; });
        if (it == blocks.end()) {
            blocks.append(YearBlock{r.employer, r.sign, {}});
            it = blocks.end() - 1;
        }
        it->months[r.m - 1] = r;
    }
    for (auto& blocks : years)
        std::stable_sort(blocks.begin(), blocks.end(), [&](const YearBlock& a, const YearBlock& b) {
            return order.indexOf(a.employer) < order.indexOf(b.employer);
        });
    return years;
}

// The three rows of one employer in one year: wages, contributions, experience, from the label
// on; the caller puts the cells before the label (year, code, sign) and decides their borders.
QVector<Row> blockRows(const YearBlock& b, int firstMonthCol, const QStringList& labels)
{
    QVector<Row> rows(3);
    qint64 wageSum = 0, contribSum = 0;
    int expSum = 0;
    for (int m = 0; m < 12; ++m) {
        const auto& rec = b.months[m];
        const int col = firstMonthCol + m;
        rows[0].cells.append(numberCell(rec ? money(rec->wage) : QString(), col));
        rows[1].cells.append(numberCell(rec ? money(rec->contrib) : QString(), col));
        rows[2].cells.append(numberCell(experienceText(rec ? rec->exp : 0), col));
        if (rec) {
            wageSum += rec->wage;
            contribSum += rec->contrib;
            expSum += rec->exp;
        }
    }
    rows[0].cells.append(numberCell(money(wageSum), firstMonthCol + 12));
    rows[1].cells.append(numberCell(money(contribSum), firstMonthCol + 12));
    rows[2].cells.append(numberCell(experienceText(expSum), firstMonthCol + 12));
    for (int i = 0; i < 3; ++i)
        rows[i].cells.prepend(cell(labels[i], firstMonthCol - 1));
    return rows;
}

// ---------------------------------------------------------------------------------------------
// ОК-5, the portal's layout: "Рік | Код страхувальника | Ознака | Назва показника | 1..12 | Всього",
// the year only on the first line of its block, code and sign only on an employer's first line.

struct Ok5Options {
    QString name;        // file base name
    QString asOf;        // "станом на"
    QString footLeft;
    bool labelHeader = true;  // text over the label column
    QStringList labels = {kWageLabel, kContribLabel, kExpLabel};
    double labelW = 29;
    QString introNote;   // an extra paragraph before the table (may be empty)
};

void ok5Head(Doc& d, const Person& p, const QVector<Employer>& employers, const QVector<int>& order,
             const QString& asOf)
{
    d.twoSided(QStringLiteral("ПЕНСІЙНИЙ ФОНД УКРАЇНИ"), QStringLiteral("Форма ОК-5"), 8, true, 3);
    d.para(QStringLiteral("ІНДИВІДУАЛЬНІ ВІДОМОСТІ ПРО ЗАСТРАХОВАНУ ОСОБУ"), 11, true, Qt::AlignHCenter, 0, 0, 1);
    d.para(QStringLiteral("станом на %1").arg(asOf), 8, false, Qt::AlignHCenter, 0, 0, 3);
    d.para(QStringLiteral("1. Відомості про застраховану особу"), 8, true, Qt::AlignLeft, 0, 0, 1);
    personTable(d, p, 48, 90, 7.5);
    d.para(QStringLiteral("2. Відомості про страхувальників"), 8, true, Qt::AlignLeft, 0, 0, 1);
    insurersTable(d, employers, order, 68);
}

void ok5Notes(Doc& d)
{
    d.para(QStringLiteral("Примітки: 1. Ознака: 1 — основне місце роботи; 2 — робота за сумісництвом або за "
                          "договором цивільно-правового характеру."),
           7, false, Qt::AlignLeft, 0, 0, 0.5);
    d.para(QStringLiteral("2. Страховий стаж зазначено в місяцях; місяць, за який сплачено внесок, менший за "
                          "мінімальний страховий внесок, зараховано як частку місяця."),
           7, false, Qt::AlignLeft, 0, 0, 0.5);
}

void makeOk5Portal(const QString& dir, const Person& p, const QVector<Employer>& employers, const QVector<Rec>& recs,
                   const Ok5Options& o)
{
    PdfTarget pdf(dir + QLatin1Char('/') + o.name + QStringLiteral(".pdf"), QPageLayout::Landscape,
                  QStringLiteral("Форма ОК-5. Індивідуальні відомості про застраховану особу"));
    Doc d(&pdf.writer, QPageLayout::Landscape);
    const QVector<int> order = employersInOrder(recs);
    ok5Head(d, p, employers, order, o.asOf);
    d.para(QStringLiteral("3. Відомості про заробітну плату (дохід), суми сплачених страхових внесків та "
                          "страховий стаж"),
           8, true, Qt::AlignLeft, 0, 0, 1);
    if (!o.introNote.isEmpty())
        d.para(o.introNote, 7, false, Qt::AlignLeft, 0, 0, 1);

    Table t;
    const double monthW = (d.contentW() - 11 - 23 - 12 - o.labelW - 19) / 12.0;
    t.widths = {11, 23, 12, o.labelW};
    for (int m = 0; m < 12; ++m)
        t.widths.append(monthW);
    t.widths.append(19);
    t.pt = 6.5;
    t.headerPt = 6.5;
    Row h;
    h.cells = {cell(QStringLiteral("Рік"), 0, kCenter), cell(QStringLiteral("Код страхувальника"), 1, kCenter),
               cell(QStringLiteral("Ознака"), 2, kCenter),
               cell(o.labelHeader ? QStringLiteral("Назва показника") : QString(), 3, kCenter)};
    for (int m = 1; m <= 12; ++m)
        h.cells.append(cell(QString::number(m), 3 + m, kCenter));
    h.cells.append(cell(QStringLiteral("Всього"), 16, kCenter));
    t.header = {h};

    const auto years = yearBlocks(recs, order);
    for (auto it = years.begin(); it != years.end(); ++it) {
        const QVector<YearBlock>& blocks = it.value();
        for (int bi = 0; bi < blocks.size(); ++bi) {
            QVector<Row> rows = blockRows(blocks[bi], 4, o.labels);
            for (int ri = 0; ri < 3; ++ri) {
                const bool firstOfYear = bi == 0 && ri == 0;
                const bool lastOfYear = bi == blocks.size() - 1 && ri == 2;
                Cell year = cell(firstOfYear ? QString::number(it.key()) : QString(), 0, Qt::AlignHCenter | Qt::AlignTop);
                year.bold = true;
                year.borders = kLeft | kRightSide | (firstOfYear ? kTop : 0) | (lastOfYear ? kBottom : 0);
                Cell code = cell(ri == 0 ? employers[blocks[bi].employer].code : QString(), 1, Qt::AlignHCenter | Qt::AlignTop);
                code.borders = kLeft | kRightSide | (ri == 0 ? kTop : 0) | (ri == 2 ? kBottom : 0);
                Cell sign = cell(ri == 0 ? QString::number(blocks[bi].sign) : QString(), 2, Qt::AlignHCenter | Qt::AlignTop);
                sign.borders = code.borders;
                rows[ri].cells.prepend(sign);
                rows[ri].cells.prepend(code);
                rows[ri].cells.prepend(year);
                t.body.append(rows[ri]);
            }
        }
    }
    d.table(t);
    ok5Notes(d);
    d.render(pdf.writer, PageFrame{QStringLiteral("Форма ОК-5. Індивідуальні відомості про застраховану особу"),
                                   p.fullName() + QStringLiteral(", РНОКПП ") + p.rnokpp, o.footLeft});
    stampCreationDate(pdf.path, o.footLeft);
    writeExpected(dir + QLatin1Char('/') + o.name + QStringLiteral(".expected.json"), p, p.fullName(),
                  monthTotals(recs), true, false);
    std::printf("%s.pdf: %d pages\n", qPrintable(o.name), d.pageCount());
}

// ОК-5 with the year on a row of its own above its block and the months under a "Місяці" header:
// "Код страхувальника | Ознака | Назва показника | 1..12 | Всього".
void makeOk5YearRows(const QString& dir, const Person& p, const QVector<Employer>& employers, const QVector<Rec>& recs,
                     const Ok5Options& o)
{
    PdfTarget pdf(dir + QLatin1Char('/') + o.name + QStringLiteral(".pdf"), QPageLayout::Landscape,
                  QStringLiteral("Форма ОК-5. Індивідуальні відомості про застраховану особу"));
    Doc d(&pdf.writer, QPageLayout::Landscape);
    const QVector<int> order = employersInOrder(recs);
    ok5Head(d, p, employers, order, o.asOf);
    d.para(QStringLiteral("3. Відомості про заробітну плату (дохід), суми сплачених страхових внесків та "
                          "страховий стаж"),
           8, true, Qt::AlignLeft, 0, 0, 1);

    Table t;
    const double monthW = (d.contentW() - 23 - 12 - o.labelW - 20) / 12.0;
    t.widths = {23, 12, o.labelW};
    for (int m = 0; m < 12; ++m)
        t.widths.append(monthW);
    t.widths.append(20);
    t.pt = 6.5;
    t.headerPt = 6.5;
    Row h0, h1;
    Cell c0 = cell(QStringLiteral("Код страхувальника"), 0, kCenter);
    Cell c1 = cell(QStringLiteral("Ознака"), 1, kCenter);
    Cell c2 = cell(QStringLiteral("Назва показника"), 2, kCenter);
    Cell cm = cell(QStringLiteral("Місяці"), 3, kCenter, 12);
    Cell ct = cell(QStringLiteral("Всього"), 15, kCenter);
    c0.rowspan = c1.rowspan = c2.rowspan = ct.rowspan = 2;
    h0.cells = {c0, c1, c2, cm, ct};
    for (int m = 1; m <= 12; ++m)
        h1.cells.append(cell(QString::number(m), 2 + m, kCenter));
    t.header = {h0, h1};

    const auto years = yearBlocks(recs, order);
    for (auto it = years.begin(); it != years.end(); ++it) {
        Row yr;
        Cell y = cell(QStringLiteral("%1 рік").arg(it.key()), 0, kLeftV, 16);
        y.bold = true;
        y.shade = true;
        yr.cells = {y};
        t.body.append(yr);
        for (const YearBlock& b : it.value()) {
            QVector<Row> rows = blockRows(b, 3, o.labels);
            for (int ri = 0; ri < 3; ++ri) {
                Cell code = cell(ri == 0 ? employers[b.employer].code : QString(), 0, Qt::AlignHCenter | Qt::AlignTop);
                code.borders = kLeft | kRightSide | (ri == 0 ? kTop : 0) | (ri == 2 ? kBottom : 0);
                Cell sign = cell(ri == 0 ? QString::number(b.sign) : QString(), 1, Qt::AlignHCenter | Qt::AlignTop);
                sign.borders = code.borders;
                rows[ri].cells.prepend(sign);
                rows[ri].cells.prepend(code);
                t.body.append(rows[ri]);
            }
        }
    }
    d.table(t);
    ok5Notes(d);
    d.render(pdf.writer, PageFrame{QStringLiteral("Форма ОК-5. Індивідуальні відомості про застраховану особу"),
                                   p.fullName() + QStringLiteral(", РНОКПП ") + p.rnokpp, o.footLeft});
    stampCreationDate(pdf.path, o.footLeft);
    writeExpected(dir + QLatin1Char('/') + o.name + QStringLiteral(".expected.json"), p, p.fullName(),
                  monthTotals(recs), true, false);
    std::printf("%s.pdf: %d pages\n", qPrintable(o.name), d.pageCount());
}

// ---------------------------------------------------------------------------------------------
// ОК-7: one row per month and employer.

struct Ok7Options {
    QString name;
    QString asOf;
    QString footLeft;
    bool periodColumn = false;  // "Період" 01.2019 instead of "Рік" and "Місяць"
    QString fromTo;             // "з 01.2011 по 01.2025"
};

void makeOk7(const QString& dir, const Person& p, const QVector<Employer>& employers, const QVector<Rec>& recs,
             const Ok7Options& o)
{
    PdfTarget pdf(dir + QLatin1Char('/') + o.name + QStringLiteral(".pdf"), QPageLayout::Landscape,
                  QStringLiteral("Форма ОК-7. Відомості з реєстру застрахованих осіб"));
    Doc d(&pdf.writer, QPageLayout::Landscape);
    d.setMargins(14, 14);
    d.twoSided(QStringLiteral("ПЕНСІЙНИЙ ФОНД УКРАЇНИ"), QStringLiteral("Форма ОК-7"), 8, true, 3);
    d.para(QStringLiteral("ВІДОМОСТІ З РЕЄСТРУ ЗАСТРАХОВАНИХ ОСІБ"), 11, true, Qt::AlignHCenter, 0, 0, 0.5);
    d.para(QStringLiteral("Державного реєстру загальнообов’язкового державного соціального страхування"), 9, false,
           Qt::AlignHCenter, 0, 0, 0.5);
    d.para(QStringLiteral("за період %1, станом на %2").arg(o.fromTo, o.asOf), 8, false, Qt::AlignHCenter, 0, 0, 3);
    d.para(QStringLiteral("1. Відомості про застраховану особу"), 8, true, Qt::AlignLeft, 0, 0, 1);
    personTable(d, p, 48, 90, 7.5);
    d.para(QStringLiteral("2. Відомості про нараховану заробітну плату (дохід), суми сплачених страхових внесків "
                          "та страховий стаж"),
           8, true, Qt::AlignLeft, 0, 0, 1);

    Table t;
    QStringList heads;
    if (o.periodColumn) {
        t.widths = {17, 21, 75, 22, 36, 36, 28};
        heads = {QStringLiteral("Період"), QStringLiteral("Код ЄДРПОУ"), QStringLiteral("Назва страхувальника"),
                 QStringLiteral("Код категорії ЗО"), QStringLiteral("Сума заробітку (доходу)"),
                 QStringLiteral("Сума сплачених внесків"), QStringLiteral("Страховий стаж (місяців)")};
    } else {
        t.widths = {12, 14, 21, 75, 22, 36, 36, 28};
        heads = {QStringLiteral("Рік"), QStringLiteral("Місяць"), QStringLiteral("Код ЄДРПОУ"),
                 QStringLiteral("Назва страхувальника"), QStringLiteral("Код категорії ЗО"),
                 QStringLiteral("Сума заробітку (доходу)"), QStringLiteral("Сума сплачених внесків"),
                 QStringLiteral("Страховий стаж (місяців)")};
    }
    double used = 0;
    for (double w : t.widths)
        used += w;
    const int nameCol = o.periodColumn ? 2 : 3;
    t.widths[nameCol] += d.contentW() - used;
    t.pt = 7;
    t.headerPt = 7;
    Row h;
    for (int i = 0; i < heads.size(); ++i)
        h.cells.append(cell(heads[i], i, kCenter));
    t.header = {h};
    // The register lists a month's records by the insurers' codes.
    QVector<Rec> sorted = recs;
    std::stable_sort(sorted.begin(), sorted.end(), [&](const Rec& a, const Rec& b) {
        return std::make_pair(a.y * 100 + a.m, employers[a.employer].code) <
               std::make_pair(b.y * 100 + b.m, employers[b.employer].code);
    });
    for (const Rec& r : sorted) {
        Row row;
        int c = 0;
        if (o.periodColumn) {
            row.cells.append(cell(twoDigits(r.m) + QLatin1Char('.') + QString::number(r.y), c++, kCenter));
        } else {
            row.cells.append(cell(QString::number(r.y), c++, kCenter));
            row.cells.append(cell(twoDigits(r.m), c++, kCenter));
        }
        row.cells.append(cell(employers[r.employer].code, c++, kCenter));
        row.cells.append(cell(employers[r.employer].name, c++));
        row.cells.append(cell(r.category, c++, kCenter));
        row.cells.append(numberCell(money(r.wage), c++));
        row.cells.append(numberCell(money(r.contrib), c++));
        row.cells.append(numberCell(experienceText(r.exp), c++));
        t.body.append(row);
    }
    d.table(t);
    d.para(QStringLiteral("Примітка. Коди категорій застрахованих осіб (ЗО): 1 — особи, які працюють на умовах "
                          "трудового договору; 3 — особи, які виконують роботи (надають послуги) за "
                          "цивільно-правовими договорами; 6 — особи, які доглядають за дитиною до досягнення нею "
                          "трирічного віку. Страховий стаж зазначено в місяцях."),
           7, false, Qt::AlignLeft, 0, 0, 0.5);
    d.render(pdf.writer, PageFrame{QStringLiteral("Форма ОК-7. Відомості з реєстру застрахованих осіб"),
                                   p.fullName() + QStringLiteral(", РНОКПП ") + p.rnokpp, o.footLeft});
    stampCreationDate(pdf.path, o.footLeft);
    writeExpected(dir + QLatin1Char('/') + o.name + QStringLiteral(".expected.json"), p, p.fullName(),
                  monthTotals(recs), true, false);
    std::printf("%s.pdf: %d pages\n", qPrintable(o.name), d.pageCount());
}

// ---------------------------------------------------------------------------------------------
// A wage certificate for 1988-1997 issued by an employer: months as rows, years as columns.

enum class Currency { Rouble, Karbovanets, Hryvnia };

Currency currencyOf(int y, int m)
{
    if (y <= 1991)
        return Currency::Rouble;
    if (y < 1996 || (y == 1996 && m <= 9))
        return Currency::Karbovanets;
    return Currency::Hryvnia;
}

// The month's level of an average wage in the currency then paid, interpolated geometrically
// between the first and the last month of a year.
double certificateLevel(int y, int m)
{
    struct Span { double jan, dec; };
    static const std::map<int, Span> spans = {
        {1988, {226, 236}},         {1989, {238, 262}},         {1990, {265, 300}},
        {1991, {310, 850}},         {1992, {1250, 9400}},       {1993, {12500, 880000}},
        {1994, {1050000, 2450000}}, {1995, {3100000, 8300000}}, {1996, {9300000, 12800000}},
        {1997, {140, 166}},
    };
    const Span s = spans.at(y);
    if (y == 1996 && m >= 10)
        return (126.0 + 3.0 * (m - 10));
    const int last = y == 1996 ? 9 : 12;
    return s.jan * std::pow(s.dec / s.jan, static_cast<double>(m - 1) / (last - 1));
}

void makeCertificate(const QString& dir, const Person& p, const QString& name)
{
    // The amounts: roubles and 1992's karbovanets to the kopeck, karbovanets of 1993-09.1996 to a
    // hundred, hryvnias to the kopeck. March-May 1994: unpaid leave, no amounts.
    Rng rng(19880101);
    std::map<int, MonthTotal> amounts;
    for (int y = 1988; y <= 1997; ++y)
        for (int m = 1; m <= 12; ++m) {
            const double noise = rng.uniform(-0.07, 0.09);
            const bool bonus = rng.uniform(0, 1) < 0.5;
            if (y == 1994 && m >= 3 && m <= 5)
                continue;
            double v = certificateLevel(y, m) * 0.79 * (1 + noise);
            if (m == 12 && bonus)
                v *= 1.3;
            if (y == 1990 && m == 8)
                v *= 1.9;  // holiday pay
            qint64 kop = std::llround(v * 100);
            const Currency c = currencyOf(y, m);
            if (c == Currency::Karbovanets && y >= 1993)
                kop = std::llround(v / 100.0) * 100 * 100;
            MonthTotal t;
            t.amount = kop;
            t.currency = c == Currency::Rouble ? QStringLiteral("RUB")
                         : c == Currency::Karbovanets ? QStringLiteral("KRB") : QStringLiteral("UAH");
            amounts[y * 100 + m] = t;
        }

    PdfTarget pdf(dir + QStringLiteral("/") + name + QStringLiteral(".pdf"), QPageLayout::Portrait,
                  QStringLiteral("Довідка про заробітну плату для обчислення пенсії"));
    Doc d(&pdf.writer, QPageLayout::Portrait);
    d.setMargins(20, 12);
    const QString company = QStringLiteral("ДЕРЖАВНЕ ПІДПРИЄМСТВО «ЗОЛОТОВЕРХІВСЬКИЙ ЗАВОД ТОЧНОГО ПРИЛАДОБУДУВАННЯ»");
    d.para(company, 8.5, true, Qt::AlignHCenter, 0, 80, 0.5);
    d.para(QStringLiteral("Код ЄДРПОУ %1").arg(makeEdrpou(1430852)), 8, false, Qt::AlignHCenter, 0, 80, 0.3);
    d.para(QStringLiteral("вул. Садова, 14, м. Золотоверхів, 31200"), 8, false, Qt::AlignHCenter, 0, 80, 0.3);
    d.para(QStringLiteral("тел. (0382) 65-14-20"), 8, false, Qt::AlignHCenter, 0, 80, 0.3);
    d.para(QStringLiteral("12.11.2024 № 01-17/352"), 8, false, Qt::AlignHCenter, 0, 80, 8);
    d.para(QStringLiteral("ДОВІДКА"), 13, true, Qt::AlignHCenter, 0, 0, 0.5);
    d.para(QStringLiteral("про заробітну плату для обчислення пенсії"), 10.5, true, Qt::AlignHCenter, 0, 0, 5);
    const QString dative = QStringLiteral("ГОРБАТЮК НІНІ ПЕТРІВНІ");
    d.para(QStringLiteral("Видана %1, %2 року народження, реєстраційний номер облікової картки платника податків "
                          "%3, в тому, що її заробітна плата за період з січня 1988 по грудень 1997 р. становила:")
               .arg(dative, p.birth.toString(QStringLiteral("dd.MM.yyyy")), p.rnokpp),
           10, false, Qt::AlignJustify, 0, 0, 4);

    static const QStringList monthNames = {
        QStringLiteral("Січень"),  QStringLiteral("Лютий"),    QStringLiteral("Березень"), QStringLiteral("Квітень"),
        QStringLiteral("Травень"), QStringLiteral("Червень"),  QStringLiteral("Липень"),   QStringLiteral("Серпень"),
        QStringLiteral("Вересень"), QStringLiteral("Жовтень"), QStringLiteral("Листопад"), QStringLiteral("Грудень")};

    auto amountText = [&](int y, int m) -> QString {
        auto it = amounts.find(y * 100 + m);
        if (it == amounts.end())
            return {};
        if (currencyOf(y, m) == Currency::Karbovanets && y >= 1993)
            return wholeMoney(it->second.amount);
        return money(it->second.amount);
    };
    auto yearTable = [&](int from) {
        Table t;
        t.widths = {34};
        for (int i = 0; i < 5; ++i)
            t.widths.append(28);
        t.pt = 9;
        t.headerPt = 9;
        t.padH = 1.5;
        t.padV = 1.0;
        Row h0, h1;
        Cell m = cell(QStringLiteral("Місяць"), 0, kCenter);
        m.rowspan = 2;
        h0.cells = {m, cell(QStringLiteral("Роки"), 1, kCenter, 5)};
        for (int i = 0; i < 5; ++i)
            h1.cells.append(cell(QString::number(from + i), 1 + i, kCenter));
        t.header = {h0, h1};
        for (int mo = 1; mo <= 13; ++mo) {
            Row r;
            Cell label = cell(mo <= 12 ? monthNames[mo - 1] : QStringLiteral("Разом"), 0);
            label.bold = mo == 13;
            r.cells.append(label);
            for (int i = 0; i < 5; ++i) {
                const int y = from + i;
                QString text;
                if (mo <= 12) {
                    text = amountText(y, mo);
                } else if (y == 1996) {
                    // The year's total in hryvnias, the karbovanets converted 100 000 : 1.
                    qint64 kop = 0;
                    for (int k = 1; k <= 12; ++k) {
                        auto it = amounts.find(y * 100 + k);
                        if (it == amounts.end())
                            continue;
                        kop += currencyOf(y, k) == Currency::Karbovanets ? std::llround(it->second.amount / 100000.0)
                                                                         : it->second.amount;
                    }
                    text = money(kop) + QLatin1Char('*');
                } else {
                    qint64 kop = 0;
                    for (int k = 1; k <= 12; ++k) {
                        auto it = amounts.find(y * 100 + k);
                        if (it != amounts.end())
                            kop += it->second.amount;
                    }
                    text = y >= 1993 && y <= 1995 ? wholeMoney(kop) : money(kop);
                }
                Cell c = numberCell(text, 1 + i);
                c.bold = mo == 13;
                r.cells.append(c);
            }
            t.body.append(r);
        }
        return t;
    };
    d.table(yearTable(1988), 0, 3);
    d.para(QStringLiteral("Заробітна плата за 1988–1991 рр. зазначена в рублях, за 1992 р. — у карбованцях."), 9,
           false, Qt::AlignLeft, 0, 0, 1);
    d.pageBreak();
    d.table(yearTable(1993), 0, 3);
    const QStringList notes = {
        QStringLiteral("Заробітна плата за 1993 р. – вересень 1996 р. зазначена в карбованцях, з жовтня 1996 р. — "
                       "у гривнях."),
        QStringLiteral("* Разом за 1996 р. — у гривнях: заробітну плату за січень – вересень 1996 р. перераховано "
                       "у співвідношенні 100 000 крб. = 1 грн."),
        QStringLiteral("З 01.03.1994 по 31.05.1994 перебувала у відпустці без збереження заробітної плати "
                       "(наказ від 25.02.1994 № 41-к); заробітна плата не нараховувалась."),
        QStringLiteral("До заробітної плати включено всі виплати, на які нараховувалися страхові внески "
                       "(збір на обов’язкове державне пенсійне страхування)."),
        QStringLiteral("Працювала на підприємстві з 15.08.1983 по 30.06.2001 інженером-технологом (наказ від "
                       "12.08.1983 № 214-к, наказ від 29.06.2001 № 97-к)."),
        QStringLiteral("Підстава: особові рахунки за 1988–1997 рр."),
    };
    for (const QString& n : notes)
        d.para(n, 9, false, Qt::AlignJustify, 0, 0, 1.5);
    d.space(10);
    Table sig;
    sig.borders = false;
    sig.headerShade = false;
    sig.widths = {55, 45, 50};
    sig.pt = 10;
    sig.padV = 2;
    const QStringList who = {QStringLiteral("Директор"), QStringLiteral("Головний бухгалтер")};
    const QStringList names = {QStringLiteral("Роман ГОЛУБ"), QStringLiteral("Лариса КУШНІР")};
    for (int i = 0; i < 2; ++i) {
        Row r;
        r.cells = {cell(who[i], 0), cell(QStringLiteral("____________"), 1, kCenter), cell(names[i], 2)};
        r.minHeight = 10;
        sig.body.append(r);
    }
    d.table(sig, 0, 2);
    d.para(QStringLiteral("М.П."), 10, false, Qt::AlignLeft, 10, 30, 1);

    const QString footLeft = QStringLiteral("Сформовано 12.11.2024 09:41:05");
    d.render(pdf.writer, PageFrame{QStringLiteral("Довідка про заробітну плату для обчислення пенсії, вих. № 01-17/352 "
                                                  "від 12.11.2024"),
                                   p.fullName() + QStringLiteral(", РНОКПП ") + p.rnokpp,
                                   footLeft});
    stampCreationDate(pdf.path, footLeft);
    writeExpected(dir + QStringLiteral("/") + name + QStringLiteral(".expected.json"), p, p.fullName(), amounts,
                  false, true, dative);
    std::printf("%s.pdf: %d pages\n", qPrintable(name), d.pageCount());
}

QSet<int> months(std::initializer_list<std::pair<int, int>> ranges)
{
    // Each pair: first and last yyyymm.
    QSet<int> s;
    for (auto [a, b] : ranges)
        for (int ym = a; ym <= b; ym = (ym % 100 == 12) ? (ym / 100 + 1) * 100 + 1 : ym + 1)
            s.insert(ym);
    return s;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_statement_pdfs OUTDIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);
    const int fontId = QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"));
    if (fontId < 0) {
        std::fprintf(stderr, "DejaVu Sans not found (apt install fonts-dejavu-core)\n");
        return 1;
    }
    gFamily = QFontDatabase::applicationFontFamilies(fontId).value(0, gFamily);

    // The employers of all the statements.
    const QVector<Employer> employers = {
        /* 0 */ {makeEdrpou(563127), QStringLiteral("ПРИВАТНЕ АКЦІОНЕРНЕ ТОВАРИСТВО «ТЕРНОВИЦЬКИЙ КОМБІНАТ БУДІВЕЛЬНИХ МАТЕРІАЛІВ»")},
        /* 1 */ {makeEdrpou(3012458), QStringLiteral("ТОВАРИСТВО З ОБМЕЖЕНОЮ ВІДПОВІДАЛЬНІСТЮ «ЯСЕНОВА ГІЛКА»")},
        /* 2 */ {makeEdrpou(199845), QStringLiteral("КОМУНАЛЬНЕ НЕКОМЕРЦІЙНЕ ПІДПРИЄМСТВО «ЗОЛОТОВЕРХІВСЬКА МІСЬКА ЛІКАРНЯ № 2» ЗОЛОТОВЕРХІВСЬКОЇ МІСЬКОЇ РАДИ")},
        /* 3 */ {makeEdrpou(3845120), QStringLiteral("ТОВАРИСТВО З ОБМЕЖЕНОЮ ВІДПОВІДАЛЬНІСТЮ «БУХГАЛТЕРСЬКА АГЕНЦІЯ «ДЕБЕТ-ПЛЮС»»")},
        /* 4 */ {makeEdrpou(3977031), QStringLiteral("ТОВАРИСТВО З ОБМЕЖЕНОЮ ВІДПОВІДАЛЬНІСТЮ «ФАРМАЦЕВТИЧНА КОМПАНІЯ «ЗЕЛЕНИЙ ЯСЕН»»")},
        /* 5 */ {makeEdrpou(3836471), QStringLiteral("ДЕРЖАВНА УСТАНОВА «ЗОЛОТОВЕРХІВСЬКИЙ ОБЛАСНИЙ ЛАБОРАТОРНИЙ ЦЕНТР»")},
        /* 6 */ {makeEdrpou(3773918), QStringLiteral("УПРАВЛІННЯ СОЦІАЛЬНОГО ЗАХИСТУ НАСЕЛЕННЯ ЗОЛОТОВЕРХІВСЬКОЇ РАЙОННОЇ ДЕРЖАВНОЇ АДМІНІСТРАЦІЇ")},
        /* 7 */ {makeEdrpou(78124), QStringLiteral("ВІДКРИТЕ АКЦІОНЕРНЕ ТОВАРИСТВО «КАМ’ЯНОБРІДСЬКИЙ РЕМОНТНО-МЕХАНІЧНИЙ ЗАВОД»")},
        /* 8 */ {makeEdrpou(3055419), QStringLiteral("СІЛЬСЬКОГОСПОДАРСЬКЕ ТОВАРИСТВО З ОБМЕЖЕНОЮ ВІДПОВІДАЛЬНІСТЮ «ЛУГОВИЙ КРАЙ-АГРО»")},
        /* 9 */ {makeEdrpou(3498260), QStringLiteral("ТОВАРИСТВО З ОБМЕЖЕНОЮ ВІДПОВІДАЛЬНІСТЮ «ОХОРОННА ФІРМА «БАСТІОН-ЗАХІД»»")},
        /*10 */ {makeEdrpou(323617), QStringLiteral("КОМУНАЛЬНЕ ПІДПРИЄМСТВО «КАМ’ЯНОБРІДСЬКТЕПЛОЕНЕРГО»")},
        /*11 */ {makeEdrpou(3920145), QStringLiteral("ТОВАРИСТВО З ОБМЕЖЕНОЮ ВІДПОВІДАЛЬНІСТЮ «ТОРГОВИЙ ДІМ «ВЕРБЕНА»»")},
        /*12 */ {makeEdrpou(3611087), QStringLiteral("ПРИВАТНЕ ПІДПРИЄМСТВО «ПЕКАРНЯ НА ЗАРІЧНІЙ»")},
        /*13 */ {makeEdrpou(4105562), QStringLiteral("ОБ’ЄДНАННЯ СПІВВЛАСНИКІВ БАГАТОКВАРТИРНОГО БУДИНКУ «ЗАРІЧНА, 17»")},
        /*14 */ {makeEdrpou(4218861), QStringLiteral("ТОВАРИСТВО З ОБМЕЖЕНОЮ ВІДПОВІДАЛЬНІСТЮ «ВЕРЕСЕНЬ ЛОГІСТИК ГРУП»")},
        /*15 */ {makeEdrpou(3291075), QStringLiteral("ПРИВАТНЕ АКЦІОНЕРНЕ ТОВАРИСТВО «СТРАХОВА КОМПАНІЯ «БЕРЕГИНЯ-ГАРАНТ»»")},
        /*16 */ {makeEdrpou(231846), QStringLiteral("ДЕРЖАВНА УСТАНОВА «ЗОЛОТОВЕРХІВСЬКИЙ РЕГІОНАЛЬНИЙ НАУКОВО-ДОСЛІДНИЙ ЦЕНТР ЕКСПЕРТИЗИ ТА СЕРТИФІКАЦІЇ БУДІВЕЛЬНОЇ ПРОДУКЦІЇ»")},
        /*17 */ {makeEdrpou(4402317), QStringLiteral("ТОВАРИСТВО З ОБМЕЖЕНОЮ ВІДПОВІДАЛЬНІСТЮ «АЙТІ-СТУДІЯ «ПІКСЕЛЬ ПЛЮС»»")},
        /*18 */ {makeEdrpou(3610492), QStringLiteral("ТОВАРИСТВО З ОБМЕЖЕНОЮ ВІДПОВІДАЛЬНІСТЮ «АПТЕЧНА МЕРЕЖА «ЛІСОВИЙ ЗВІРОБІЙ»»")},
        /*19 */ {makeEdrpou(254719), QStringLiteral("КОМУНАЛЬНИЙ ЗАКЛАД «ЗОЛОТОВЕРХІВСЬКИЙ ЛІЦЕЙ № 5» ЗОЛОТОВЕРХІВСЬКОЇ МІСЬКОЇ РАДИ")},
        /*20 */ {makeEdrpou(4390217), QStringLiteral("ТОВАРИСТВО З ОБМЕЖЕНОЮ ВІДПОВІДАЛЬНІСТЮ «ОСВІТНІЙ ЦЕНТР «ГОРИЦВІТ»»")},
        /*21 */ {makeEdrpou(4381526), QStringLiteral("ДЕПАРТАМЕНТ СОЦІАЛЬНОЇ ПОЛІТИКИ ЗОЛОТОВЕРХІВСЬКОЇ МІСЬКОЇ РАДИ")},
        /*22 */ {makeEdrpou(3366802), QStringLiteral("УПРАВЛІННЯ СОЦІАЛЬНОГО ЗАХИСТУ НАСЕЛЕННЯ КАМ’ЯНОБРІДСЬКОЇ МІСЬКОЇ РАДИ")},
    };

    // 1. ОК-5 from the portal, 2000-2024.
    {
        const Person p = makePerson(QStringLiteral("ДОВГАНЮК"), QStringLiteral("ОКСАНА"), QStringLiteral("МИКОЛАЇВНА"),
                                    QDate(1972, 8, 14), true, 517);
        QVector<Spell> s;
        s.append(Spell{0, QDate(1994, 9, 1), QDate(2003, 6, 13), 1.25, Kind::Work, 1, "1", {}});
        s.append(Spell{1, QDate(2000, 5, 15), QDate(2001, 3, 31), 0.35, Kind::Work, 2, "1", {}});
        s.append(Spell{2, QDate(2003, 6, 16), QDate(2015, 4, 20), 1.05, Kind::Work, 1, "1",
                       months({{200901, 201012}})});
        s.append(Spell{6, QDate(2009, 1, 1), QDate(2010, 12, 31), 0, Kind::SocialCare, 1, "1", {}});
        s.append(Spell{3, QDate(2013, 3, 1), QDate(2013, 8, 31), 0.25, Kind::Work, 2, "1", {}});
        s.append(Spell{4, QDate(2015, 9, 1), QDate(2020, 1, 31), 1.1, Kind::Work, 1, "1", months({{201707, 201708}})});
        s.append(Spell{5, QDate(2020, 2, 10), QDate(2024, 12, 31), 1.3, Kind::Work, 1, "1", {}});
        const QVector<Rec> recs = makeRecords(s, 2000, 2024, 1001);
        Ok5Options o;
        o.name = QStringLiteral("ok5_portal");
        o.asOf = QStringLiteral("05.02.2025");
        o.footLeft = QStringLiteral("Сформовано 05.02.2025 10:14:37   Код перевірки: 7F3A-91C2-0B5D");
        makeOk5Portal(dir, p, employers, recs, o);
    }
    // 2. ОК-5 with the year on a row of its own, 2001-2018.
    {
        const Person p = makePerson(QStringLiteral("ПАЛАМАРЧУК"), QStringLiteral("ВІКТОР"), QStringLiteral("СТЕПАНОВИЧ"),
                                    QDate(1963, 11, 2), false, 284);
        QVector<Spell> s;
        s.append(Spell{7, QDate(1986, 7, 1), QDate(2005, 2, 11), 1.0, Kind::Work, 1, "1", months({{200201, 200202}})});
        QSet<int> winters;
        for (int y = 2005; y <= 2011; ++y)
            winters += months({{y * 100 + 1, y * 100 + 2}, {y * 100 + 12, y * 100 + 12}});
        s.append(Spell{8, QDate(2005, 3, 1), QDate(2011, 10, 31), 0.8, Kind::Work, 1, "1", winters});
        s.append(Spell{9, QDate(2009, 6, 1), QDate(2016, 5, 15), 0.3, Kind::Work, 2, "1", {}});
        s.append(Spell{10, QDate(2011, 11, 14), QDate(2017, 4, 13), 1.05, Kind::Work, 1, "1", {}});
        // Care for his mother, a person with a disability of the first group.
        s.append(Spell{22, QDate(2017, 5, 1), QDate(2018, 12, 31), 0, Kind::SocialCare, 1, "1", {}});
        const QVector<Rec> recs = makeRecords(s, 2001, 2018, 2002);
        Ok5Options o;
        o.name = QStringLiteral("ok5_year_rows");
        o.asOf = QStringLiteral("18.03.2019");
        o.footLeft = QStringLiteral("Сформовано 18.03.2019 14:02:51   Код перевірки: 2C84-E0D7-5A19");
        o.labelW = 46;
        o.labels = {kWageLabel, QStringLiteral("Сума сплачених внесків"), kExpLabel};
        makeOk5YearRows(dir, p, employers, recs, o);
    }
    // 6. ОК-5 whose page breaks fall inside year blocks, no text over the label column.
    {
        const Person p = makePerson(QStringLiteral("ГРИЦАЄНКО"), QStringLiteral("ЛЮДМИЛА"), QStringLiteral("ВАСИЛІВНА"),
                                    QDate(1969, 1, 27), true, 903);
        QVector<Spell> s;
        s.append(Spell{11, QDate(2012, 4, 2), QDate(2019, 8, 9), 0.95, Kind::Work, 1, "1", {}});
        s.append(Spell{13, QDate(2018, 3, 1), QDate(2021, 6, 30), 0.08, Kind::Work, 2, "1", {}});
        s.append(Spell{12, QDate(2019, 8, 12), QDate(2024, 12, 31), 0.9, Kind::Work, 1, "1", months({{202203, 202204}})});
        const QVector<Rec> recs = makeRecords(s, 2014, 2024, 3003);
        Ok5Options o;
        o.name = QStringLiteral("ok5_page_break");
        o.asOf = QStringLiteral("11.01.2025");
        o.footLeft = QStringLiteral("Сформовано 11.01.2025 08:47:12   Код перевірки: B60E-3D2F-94A7");
        o.labelHeader = false;
        makeOk5Portal(dir, p, employers, recs, o);
    }
    // 3. ОК-7 with the year and the month in columns of their own, 2011-2025.
    {
        const Person p = makePerson(QStringLiteral("ЯРЕМЧУК"), QStringLiteral("ІРИНА"), QStringLiteral("ОЛЕГІВНА"),
                                    QDate(1988, 6, 9), true, 146);
        QVector<Spell> s;
        s.append(Spell{16, QDate(2011, 9, 1), QDate(2013, 2, 28), 0.9, Kind::Work, 1, "1", {}});
        s.append(Spell{15, QDate(2016, 3, 14), QDate(2019, 7, 15), 1.2, Kind::Work, 1, "1", {}});
        s.append(Spell{17, QDate(2017, 2, 1), QDate(2017, 6, 30), 0.2, Kind::Work, 2, "3", {}});
        s.append(Spell{14, QDate(2019, 7, 16), QDate(2025, 1, 31), 1.4, Kind::Work, 1, "1", months({{202301, 202406}})});
        s.append(Spell{6, QDate(2023, 1, 1), QDate(2024, 6, 30), 0, Kind::SocialCare, 1, "6", {}});
        const QVector<Rec> recs = makeRecords(s, 2011, 2025, 4004);
        Ok7Options o;
        o.name = QStringLiteral("ok7_year_month");
        o.asOf = QStringLiteral("24.03.2025");
        o.fromTo = QStringLiteral("з 01.2011 по 01.2025");
        o.footLeft = QStringLiteral("Сформовано 24.03.2025 16:30:45   Код перевірки: 0D9C-77A1-E4B3");
        makeOk7(dir, p, employers, recs, o);
    }
    // 4. ОК-7 with a "Період" column, 2011-2025.
    {
        const Person p = makePerson(QStringLiteral("МАРТИНЮК"), QStringLiteral("ОЛЕНА"), QStringLiteral("ДМИТРІВНА"),
                                    QDate(1990, 3, 21), true, 372);
        QVector<Spell> s;
        s.append(Spell{18, QDate(2011, 3, 1), QDate(2012, 8, 17), 0.7, Kind::Work, 1, "1", {}});
        s.append(Spell{19, QDate(2017, 8, 28), QDate(2025, 1, 31), 0.85, Kind::Work, 1, "1", months({{202010, 202203}})});
        s.append(Spell{20, QDate(2018, 10, 1), QDate(2019, 5, 31), 0.25, Kind::Work, 2, "3", {}});
        s.append(Spell{21, QDate(2020, 10, 1), QDate(2022, 3, 31), 0, Kind::SocialCare, 1, "6", {}});
        const QVector<Rec> recs = makeRecords(s, 2011, 2025, 5005);
        Ok7Options o;
        o.name = QStringLiteral("ok7_period");
        o.asOf = QStringLiteral("24.03.2025");
        o.fromTo = QStringLiteral("з 01.2011 по 01.2025");
        o.footLeft = QStringLiteral("Сформовано 24.03.2025 16:41:08   Код перевірки: 5E21-A8F4-C03D");
        o.periodColumn = true;
        makeOk7(dir, p, employers, recs, o);
    }
    // 5. A wage certificate for 1988-1997.
    {
        const Person p = makePerson(QStringLiteral("ГОРБАТЮК"), QStringLiteral("НІНА"), QStringLiteral("ПЕТРІВНА"),
                                    QDate(1961, 5, 3), true, 158);
        makeCertificate(dir, p, QStringLiteral("wage_certificate_1988_1997"));
    }
    return 0;
}
