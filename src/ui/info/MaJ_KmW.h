#pragma once
#include "core/info/RankingFigures.h"
#include "ui/info/WebPage.h"

namespace pendrel::ui {

// The ranking update page of the contest site, below the four figures the
// operator reports there, as they stood when the window opened.
class MaJ_KmW : public WebPage {
    Q_OBJECT
public:
    MaJ_KmW(Browser &browser, const RankingFigures &figures, QWidget *parent);
};

} // namespace pendrel::ui
