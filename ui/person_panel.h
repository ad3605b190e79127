#pragma once

#include <QGroupBox>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rv {

class DateEdit;
class Prompt;
class TdMain;

// The person panel gbPers "Реквізити особи": the editors of the person row, the button
// "Підтвердити" of aAddPerson and the footnote on the application date. Enter moves from each
// editor to the next and on to the button.
class PersonPanel : public QGroupBox {
    Q_OBJECT
public:
    PersonPanel(QAction* aAddPerson, QWidget* parent = nullptr);

    // Binds the editors to the person row of cdsPerson and the gender list of cdsGender. Without
    // a data module (its creation failed) the editors stay disabled.
    void bind(TdMain& dMain, Prompt& prompt);

    QLineEdit* edtehPersonName;
    DateEdit* dtehPersBirthdate;
    QComboBox* cbehPersonGender;
    DateEdit* dtehPersonZvernennya;
    QPushButton* bbSavePerson;
    QLabel* Label4;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The Enter chain: name, birth date, gender, application date, "Підтвердити".
    bool edtehPersonNameKeyDown(int key);
    bool dtehPersBirthdateKeyDown(int key);
    bool cbehPersonGenderKeyDown(int key);
    bool dtehPersonZvernennyaKeyDown(int key);

    void setEditorsEnabled(bool enabled);
};

} // namespace rv
