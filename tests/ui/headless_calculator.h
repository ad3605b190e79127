#pragma once

// ravelta-calc on a case as JSON, and the window's results panel and ledger compared with what it
// prints: the same case gives the same figures in the window and headless. The test defines
// RV_CALC_PATH.

#include "engine/table.h"
#include "ui/calc_panel.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The calculator's output for the case; an empty object after failing the test.
inline QJsonObject runHeadlessCalculator(const QJsonObject& document) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("case.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        QTest::qFail("cannot write the case for ravelta-calc", __FILE__, __LINE__);
        return {};
    }
    file.write(QJsonDocument(document).toJson());
    file.close();

    QProcess calculator;
    calculator.start(QStringLiteral(RV_CALC_PATH), {path});
    if (!calculator.waitForFinished(30000) || calculator.exitCode() != 0) {
        QTest::qFail(qPrintable(QStringLiteral("ravelta-calc failed: ") +
                                QString::fromUtf8(calculator.readAllStandardError() +
                                                  calculator.readAllStandardOutput())),
                     __FILE__, __LINE__);
        return {};
    }
    return QJsonDocument::fromJson(calculator.readAllStandardOutput()).object();
}

// Every field and hint of the calculator's result is what the panel shows under the same name;
// a hidden note is null for the calculator.
inline void compareResultsPanel(const rv::CalcPanel& panel, const QJsonObject& result) {
    const QJsonObject fields = result.value("fields").toObject();
    const QJsonObject hints = result.value("hints").toObject();
    QVERIFY(!fields.isEmpty());
    for (auto field = fields.begin(); field != fields.end(); ++field) {
        const QString name = field.key();
        QWidget* shown = panel.findChild<QWidget*>(name);
        QVERIFY2(shown, qPrintable(name));
        QString text;
        if (auto* line = qobject_cast<QLineEdit*>(shown)) {
            text = line->text();
        } else {
            auto* label = qobject_cast<QLabel*>(shown);
            if (label->isHidden()) {
                QVERIFY2(field.value().isNull(), qPrintable(name + " is hidden"));
                continue;
            }
            text = label->text();
        }
        QVERIFY2(text == field.value().toString(),
                 qPrintable(QStringLiteral("%1: shown '%2', calculated '%3'")
                                .arg(name, text, field.value().toString())));
    }
    for (auto hint = hints.begin(); hint != hints.end(); ++hint) {
        auto* shown = panel.findChild<QWidget*>(hint.key());
        QVERIFY2(shown, qPrintable(hint.key()));
        QVERIFY2(shown->toolTip() == hint.value().toString(),
                 qPrintable(QStringLiteral("%1: hint '%2', calculated '%3'")
                                .arg(hint.key(), shown->toolTip(), hint.value().toString())));
    }
}

// The ledger the window built, evaluated and marked equals the calculator's, month by month: the
// figures, the marks, the kind and the reason a month was left out at the person's wish (the
// calculator's "optimisation" is the mark of optimisation 2 alone).
inline void compareLedger(const rv::Table& ledger, const QJsonArray& expected) {
    QCOMPARE(ledger.recordCount(), int(expected.size()));
    auto number = [&ledger](int row, const char* field) {
        const rv::Value value = ledger.viewValue(row, ledger.fieldIndex(field));
        if (const auto* integer = std::get_if<std::int32_t>(&value))
            return double(*integer);
        const auto* real = std::get_if<double>(&value);
        return real ? *real : 0.0;
    };
    auto text = [&ledger](int row, const char* field) {
        const rv::Value value = ledger.viewValue(row, ledger.fieldIndex(field));
        const auto* string = std::get_if<std::string>(&value);
        return string ? QString::fromStdString(*string) : QString();
    };
    for (int row = 0; row < ledger.recordCount(); ++row) {
        const QJsonObject month = expected.at(row).toObject();
        const QString where = QStringLiteral("%1-%2")
                                  .arg(month.value("year").toInt())
                                  .arg(month.value("month").toInt());
        QVERIFY2(number(row, "earning_year") == month.value("year").toInt() &&
                     number(row, "earning_month") + 1 == month.value("month").toInt(),
                 qPrintable(where));
        for (const auto& [field, key] :
             {std::pair("earning_payment", "payment"), std::pair("earning_k", "k"),
              std::pair("earning_day", "day")})
            QVERIFY2(number(row, field) == month.value(key).toDouble(),
                     qPrintable(QStringLiteral("%1 %2: window %3, calculator %4")
                                    .arg(where, key)
                                    .arg(number(row, field), 0, 'g', 17)
                                    .arg(month.value(key).toDouble(), 0, 'g', 17)));
        QVERIFY2(text(row, "earning_opt1") == month.value("opt1").toString() &&
                     text(row, "earning_opt2") == month.value("opt2").toString(),
                 qPrintable(where + " marks"));
        QVERIFY2(text(row, "earning_kind") == month.value("kind").toString(),
                 qPrintable(where + " kind " + text(row, "earning_kind")));
        const QString reason = month.value("excluded").toString(); // null reads as empty
        QVERIFY2(text(row, "earning_excl") ==
                     (reason == QLatin1String("optimisation") ? QString() : reason),
                 qPrintable(where + " left out: " + text(row, "earning_excl")));
    }
}
