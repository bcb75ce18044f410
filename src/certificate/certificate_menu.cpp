// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "certificate/certificate_menu.h"

namespace sd {

QStringList certificateCaptions(bool printable) {
    return {printable ? QStringLiteral("STAMPA L'ATTESTATO")
                      : QStringLiteral("ATTESTATO NON STAMPABILE"),
            QStringLiteral("TORNA ALLA FINESTRA PRECEDENTE"), QStringLiteral("FINE SESSIONE")};
}

void applyPrintability(OptionMenu& menu, bool printable) {
    menu.setEnabled(kItemStampaAttestato, printable);
}

std::optional<CertificateAction> certificateAction(int index) {
    switch (index) {
        case kItemStampaAttestato:
            return CertificateAction::Print;
        case kItemTorna:
            return CertificateAction::Back;
        case kItemFineSessione:
            return CertificateAction::EndSession;
        default:
            return std::nullopt;
    }
}

}  // namespace sd
