// The "Aide" menu, the web pages and the ranking reminder of the main window.
#include "core/info/AboutText.h"
#include "core/info/RankingFigures.h"
#include "core/storage/SettingsKeys.h"
#include "platform/qt/LinkBrowser.h"
#include "ui/common/OpenWindow.h"
#include "ui/info/MaJ_KmW.h"
#include "ui/info/Notice.h"
#include "ui/info/Reglement.h"
#include "ui/info/WebPage.h"
#include "ui/main/Main.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>

namespace pendrel::ui {
namespace {

Browser &browserOf(const Platform &platform)
{
    return platform.browser ? *platform.browser : linkBrowser();
}

} // namespace

void Main::connectInfo()
{
    const auto onMenu = [this](const char *name, auto handler) {
        if (auto *action = findChild<QAction *>(QLatin1String(name)))
            connect(action, &QAction::triggered, this, handler);
    };
    onMenu("Mnu_Historique", [this] { m_platform.dialogs.message(m_state.RevisionHistory); });
    onMenu("Mnu_Apropos", [this] {
        m_platform.dialogs.message(aboutText(m_state.ProgramRevision, shippedDataLicences()));
    });
    onMenu("Mnu_Reglement", [this] {
        openOnce<Reglement>(this, QStringLiteral("Reglement"), [this] { return new Reglement(this); });
    });
    onMenu("Mnu_Mode_Emploi", [this] {
        openOnce<Notice>(this, QStringLiteral("Notice"), [this] { return new Notice(this); });
    });
    onMenu("Mnu_Site", [this] {
        openOnce<Mon_Site>(this, QStringLiteral("Mon_Site"),
                           [this] { return new Mon_Site(browserOf(m_platform), this); });
    });
    onMenu("Mnu_Cluster", [this] {
        openOnce<Cluster_Qrp>(this, QStringLiteral("Cluster_Qrp"),
                              [this] { return new Cluster_Qrp(browserOf(m_platform), this); });
    });
    onMenu("Mnu_MaJ_Classement", [this] { openRankingWindow(); });
    connect(m_c.Flag_Kmw, &QPushButton::clicked, this, &Main::openRankingWindow);
}

// Opening the ranking page counts as reporting: the reminder of the current
// station kind goes, whether or not the operator completes the page.
void Main::openRankingWindow()
{
    openOnce<MaJ_KmW>(this, QStringLiteral("MaJ_KmW"), [this] {
        const RankingFigures figures =
            rankingFigures(m_model->stringList(), m_c.KmW_Max->text(), m_c.Total_P->text());
        auto *window = new MaJ_KmW(browserOf(m_platform), figures, this);
        m_c.Flag_Kmw->hide();
        writeCallsignSetting(stationKind() == StationKind::Fixed ? settings::MeilleurKmWF : settings::MeilleurKmWP,
                             QStringLiteral("False"));
        return window;
    });
}

} // namespace pendrel::ui
