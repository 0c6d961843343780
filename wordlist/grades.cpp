// SPDX-License-Identifier: GPL-3.0-or-later

#include "wordlist/grades.h"

#include <QCoreApplication>

#include <array>

namespace grades {
namespace {

constexpr std::array<Grade, 5> Grades = {{
    {"firstGrade", "mnuFirst", QT_TRANSLATE_NOOP("grades", "First")},
    {"secondGrade", "mnuSecond", QT_TRANSLATE_NOOP("grades", "Second")},
    {"thirdGrade", "mnuThird", QT_TRANSLATE_NOOP("grades", "Third")},
    {"fourthGrade", "mnuFourth", QT_TRANSLATE_NOOP("grades", "Fourth")},
    {"fifthGrade", "mnuFifth", QT_TRANSLATE_NOOP("grades", "Fifth")},
}};

} // namespace

std::span<const Grade> all()
{
    return Grades;
}

QString fileName(const Grade &grade)
{
    return QStringLiteral("\\%1.dat").arg(QLatin1String(grade.name));
}

} // namespace grades
