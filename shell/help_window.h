// The help windows: a stack of pages of which one is shown at a time, two arrows that turn them,
// the page indicator and "Fechar". "INSTRUÇÕES" (Form6), "SINTAXE" (Form9) and "FUNÇÕES DEFINIDAS"
// (Form8) are this one window with their own sizes, places and pages.
#pragma once

#include <QPoint>
#include <QString>
#include <functional>
#include <vector>

#include "windows/form_window.h"
#include "shell/help_page.h"

class QLabel;
class QPushButton;

namespace plotaris {

using HelpPageContent = std::function<void(HelpPageWriter&)>;

// Sizes and places in twips.
struct HelpWindowDesign {
    FormId id;
    QString caption;
    int width, height;          // outer size, caption bar and borders included
    int pageLeft, pageTop;
    int pageWidth, pageHeight;
    QPoint setaE, setaD;        // 435 x 435
    QPoint command1;            // 1275 x 315
    QPoint label1, label2, label3;
    QString label3Caption;
    HelpStyle style;
    std::vector<HelpPageContent> pages;
};

// The client area left inside a window of that outer size in twips.
QSize helpClientSize(int widthTwips, int heightTwips);

class HelpWindow : public FormWindow {
    Q_OBJECT
public:
    explicit HelpWindow(HelpWindowDesign design);

    void Form_Load() override;
    void SetaD_Click();
    void SetaE_Click();
    void Command1_Click();

    int pageCount() const { return static_cast<int>(pages_.size()); }
    // Element i (from 1) of Image1.
    HelpPage* page(int i) const { return pages_.at(i - 1); }

private:
    void showPageNumber();

    HelpWindowDesign design_;
    qint16 PáginaActual = 1;
    std::vector<HelpPage*> pages_;
    QPushButton* SetaD;
    QPushButton* SetaE;
    QPushButton* Command1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
};

// The three help windows, as the registry makes them.
FormWindow* createInstructionsWindow();  // Form6
FormWindow* createSyntaxWindow();        // Form9
FormWindow* createFunctionsWindow();     // Form8

// The page contents of each window, in the order the pager shows them.
std::vector<HelpPageContent> instructionsPages();
std::vector<HelpPageContent> syntaxPages();
std::vector<HelpPageContent> functionsPages();

}  // namespace plotaris
