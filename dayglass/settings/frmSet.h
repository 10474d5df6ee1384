#pragma once

#include "DayglassContext.h"
#include "PeriodFile.h"

#include <QDialog>
#include <array>

class QLineEdit;

// The period dialog: six fields for the start and six for the end, filled
// from Data.ini, checked and saved by its only button. It has no title bar and
// no cancel: it closes only through a successful save.
class frmSet : public QDialog {
    Q_OBJECT
public:
    explicit frmSet(const DayglassContext &context, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

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
    bool m_saved = false;
    // The field that a mouse press has just given the focus to.
    QLineEdit *m_enteredByClick = nullptr;
};
