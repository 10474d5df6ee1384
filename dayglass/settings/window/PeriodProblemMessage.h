#pragma once

#include "PeriodValidation.h"

#include <QCoreApplication>

// Why the period dialog does not save, as "開始月が不正です", for each kind of
// problem that checkPeriod finds.
class PeriodProblemMessage {
    Q_DECLARE_TR_FUNCTIONS(PeriodProblemMessage)

public:
    static QString text(const PeriodProblem &problem);
};
