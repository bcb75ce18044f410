// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints a bank as "NUMBER ANSWER" lines, the answer without its blanks: what a pupil who knows
// every answer has in mind. The end-to-end tests read the question number off the exercise window
// and answer from this table.
//   bank-answers [KIND]    1 the multiples (the default), 2 the submultiples
#include "banks/algoritmi1.h"
#include "banks/algoritmi2.h"

#include <QString>

#include <cstdio>

#include <cstring>

int main(int argc, char** argv) {
    const bool submultiples = argc > 1 && std::strcmp(argv[1], "2") == 0;
    for (const sd::QuestionRow& row :
         submultiples ? sd::Algoritmi2::rows() : sd::Algoritmi1::rows())
        std::printf("%d %s\n", row.number,
                    qPrintable(sd::trimBlanks(QString::fromUtf16(row.expected))));
    return 0;
}
