// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/onelinebox.h"

#include "wordlist/pastedwords.h"

#include <QLineEdit>
#include <QValidator>

namespace {

// Qt's line edit keeps a pasted line break as it is; a validator may change
// the text it is given, and the box applies the change to every edit.
class OneLineValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override
    {
        const QString flat = pastedwords::onOneLine(input);
        if (flat != input) {
            pos = int(qMin(pastedwords::onOneLine(input.left(pos)).size(), flat.size()));
            input = flat;
        }
        return Acceptable;
    }
};

} // namespace

void keepOnOneLine(QLineEdit *box)
{
    box->setValidator(new OneLineValidator(box));
}
