#pragma once

#include "DataFile.h"
#include "DayglassContext.h"
#include "SavingDialog.h"

#include <array>

class QLineEdit;

// The period dialog: six fields for the start and six for the end, filled
// from Data.ini, checked and saved by its only button. It has no cancel: it
// closes through a successful save, or, once a save has failed, when the user
// agrees to leave without saving.
class frmSet : public SavingDialog {
    Q_OBJECT
public:
    explicit frmSet(const DayglassContext &context, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void createRow(int top, const QString &heading, int offset);
    void createSettingButton();
    void Form_Load();
    void Setting_Click();
    void ClearFieldColors();
    // Turns the field red and selects its whole text.
    void highlight(QLineEdit *field);
    PeriodTexts fieldTexts() const;

    const DayglassContext m_context;
    std::array<QLineEdit *, 12> m_fields{}; // SYear … SSecond, EYear … ESecond
    // The field that a mouse press has just given the focus to.
    QLineEdit *m_enteredByClick = nullptr;
};
