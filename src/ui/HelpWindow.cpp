#include "ui/HelpWindow.h"

#include "desktop/CommandHelp.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace vantro {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), text_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("VantroCad ヘルプ"));
    text_->setObjectName(QStringLiteral("HelpText"));
    text_->setOpenLinks(true);
    text_->setHtml(QString::fromStdString(HelpHtml()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_);
    resize(640, 720);
}

void HelpWindow::ShowEntry(int context)
{
    entry_ = context;
    show();
    raise();
    activateWindow();
    text_->scrollToAnchor(QString::fromStdString(HelpAnchor(context)));
}

}  // namespace vantro
