#include "person_panel.h"

#include "captions.h"
#include "date_edit.h"
#include "field_binding.h"
#include "store/dmMain.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace rv {

namespace {

constexpr int kNameLength = 100; // person_name is text(100): a full name

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

QLabel* editorLabel(const char* caption, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

PersonPanel::PersonPanel(QAction* aAddPerson, QWidget* parent)
    : QGroupBox(QString::fromUtf8(captions::kPersonPanel), parent),
      edtehPersonName(new QLineEdit(this)), dtehPersBirthdate(new DateEdit(this)),
      cbehPersonGender(new QComboBox(this)), dtehPersonZvernennya(new DateEdit(this)),
      bbSavePerson(new QPushButton(aAddPerson->text(), this)),
      Label4(new QLabel(QString::fromUtf8(captions::kPersonFootnote), this)) {
    setObjectName(QStringLiteral("gbPers"));
    edtehPersonName->setObjectName(QStringLiteral("edtehPersonName"));
    dtehPersBirthdate->setObjectName(QStringLiteral("dtehPersBirthdate"));
    cbehPersonGender->setObjectName(QStringLiteral("cbehPersonGender"));
    dtehPersonZvernennya->setObjectName(QStringLiteral("dtehPersonZvernennya"));
    bbSavePerson->setObjectName(QStringLiteral("bbSavePerson"));
    Label4->setObjectName(QStringLiteral("Label4"));

    edtehPersonName->setMaxLength(kNameLength);
    const int nameWidth = edtehPersonName->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 14;
    edtehPersonName->setMinimumWidth(nameWidth);
    cbehPersonGender->setMinimumWidth(
        cbehPersonGender->fontMetrics().horizontalAdvance(QString::fromUtf8(captions::kGender)) *
        3);
    Label4->setWordWrap(true);

    auto* applicationLabel = editorLabel(captions::kApplicationDate, dtehPersonZvernennya, this);
    const QString hint = QString::fromUtf8(captions::kApplicationDateHint);
    applicationLabel->setToolTip(hint);
    dtehPersonZvernennya->setToolTip(hint);
    dtehPersonZvernennya->lineEdit()->setToolTip(hint);

    auto* layout = new QGridLayout(this);
    layout->addWidget(editorLabel(captions::kPersonName, edtehPersonName, this), 0, 0);
    layout->addWidget(editorLabel(captions::kBirthDate, dtehPersBirthdate, this), 0, 1);
    layout->addWidget(editorLabel(captions::kGender, cbehPersonGender, this), 0, 2);
    layout->addWidget(applicationLabel, 0, 3);
    layout->addWidget(edtehPersonName, 1, 0);
    layout->addWidget(dtehPersBirthdate, 1, 1);
    layout->addWidget(cbehPersonGender, 1, 2);
    layout->addWidget(dtehPersonZvernennya, 1, 3);
    layout->addWidget(bbSavePerson, 1, 4);
    layout->addWidget(Label4, 2, 0, 1, 5);
    layout->setColumnStretch(0, 2);
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(2, 1);
    layout->setColumnStretch(3, 1);

    bbSavePerson->setEnabled(aAddPerson->isEnabled());
    connect(aAddPerson, &QAction::changed, bbSavePerson, [this, aAddPerson] {
        bbSavePerson->setText(aAddPerson->text());
        bbSavePerson->setEnabled(aAddPerson->isEnabled());
    });
    connect(bbSavePerson, &QPushButton::clicked, aAddPerson, &QAction::trigger);

    setTabOrder(edtehPersonName, dtehPersBirthdate);
    setTabOrder(dtehPersBirthdate, cbehPersonGender);
    setTabOrder(cbehPersonGender, dtehPersonZvernennya);
    setTabOrder(dtehPersonZvernennya, bbSavePerson);

    for (QObject* editor : {static_cast<QObject*>(edtehPersonName),
                            static_cast<QObject*>(dtehPersBirthdate->lineEdit()),
                            static_cast<QObject*>(cbehPersonGender),
                            static_cast<QObject*>(dtehPersonZvernennya->lineEdit())})
        editor->installEventFilter(this);
    setEditorsEnabled(false);
}

void PersonPanel::bind(TdMain& dMain, Prompt& prompt) {
    new LineEditBinding(edtehPersonName, dMain.cdsPerson, "person_name", prompt);
    new DateEditBinding(dtehPersBirthdate, dMain.cdsPerson, "person_birthdate", prompt);
    new LookupComboBinding(cbehPersonGender, dMain.cdsPerson, "person_gender", dMain.cdsGender,
                           "gender_id", "gender_name", prompt);
    new DateEditBinding(dtehPersonZvernennya, dMain.cdsPerson, "person_af_date", prompt);
    setEditorsEnabled(true);
}

void PersonPanel::setEditorsEnabled(bool enabled) {
    for (QWidget* editor :
         {static_cast<QWidget*>(edtehPersonName), static_cast<QWidget*>(dtehPersBirthdate),
          static_cast<QWidget*>(cbehPersonGender), static_cast<QWidget*>(dtehPersonZvernennya)})
        editor->setEnabled(enabled);
}

bool PersonPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QGroupBox::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == edtehPersonName)
        return edtehPersonNameKeyDown(key);
    if (watched == dtehPersBirthdate->lineEdit())
        return dtehPersBirthdateKeyDown(key);
    if (watched == cbehPersonGender)
        return cbehPersonGenderKeyDown(key);
    if (watched == dtehPersonZvernennya->lineEdit())
        return dtehPersonZvernennyaKeyDown(key);
    return QGroupBox::eventFilter(watched, event);
}

// Each handler takes Enter (moving the focus on) and leaves every other key to its editor.
bool PersonPanel::edtehPersonNameKeyDown(int key) {
    if (!isEnter(key))
        return false;
    dtehPersBirthdate->setFocus();
    return true;
}

bool PersonPanel::dtehPersBirthdateKeyDown(int key) {
    if (!isEnter(key))
        return false;
    cbehPersonGender->setFocus();
    return true;
}

bool PersonPanel::cbehPersonGenderKeyDown(int key) {
    if (!isEnter(key))
        return false;
    dtehPersonZvernennya->setFocus();
    return true;
}

bool PersonPanel::dtehPersonZvernennyaKeyDown(int key) {
    if (!isEnter(key))
        return false;
    bbSavePerson->setFocus();
    return true;
}

} // namespace rv
