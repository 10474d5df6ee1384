#pragma once

#include "PeriodValidation.h"

#include <QCoreApplication>
#include <QString>

// The texts that tell the user why the period dialog does not save, as
// "開始月が不正です": one for each kind of problem that checkPeriod finds.
class PeriodProblemMessage {
    Q_DECLARE_TR_FUNCTIONS(PeriodProblemMessage)

public:
    static QString text(const PeriodProblem &problem);

private:
    static QString text(const InvalidField &invalid);
    static QString text(const StartNotBeforeEnd &);
};
