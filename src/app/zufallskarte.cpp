// "&Karte" > "Zufallskarte ...": the dialog's settings become the open map's
// size and fields as one undo step.
#include "tzendaromain.h"

#include "helpcontexts.h"
#include "helpsystem.h"
#include "kartendokument.h"
#include "tzufallskartedlg.h"

void TZendaroMain::Zufallskarte1Click()
{
    if (!ZufallskarteDlg) {
        ZufallskarteDlg = new TZufallskarteDlg(Dokument->karte(), this);
        ZufallskarteDlg->setObjectName(QStringLiteral("ZufallskarteDlg"));
        connect(ZufallskarteDlg, &TZufallskarteDlg::hilfeAngefordert, this,
                [this] { m_hilfe.request(HelpSystem::HELP_CONTEXT, HilfeKontext::Zufallskarte); });
    }
    if (ZufallskarteDlg->exec() == QDialog::Accepted)
        Dokument->zufallskarteAnlegen(ZufallskarteDlg->Einstellungen());
}
