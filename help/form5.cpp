// SPDX-License-Identifier: GPL-3.0-or-later
#include "form5.h"

#include "platform/twips.h"

#include <QFileInfo>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <cmath>

Form5::Form5(const QString& appDir, QWidget* parent, const QLocale& locale) : QDialog(parent) {
    setWindowTitle(tr("Zederoru Help"));
    WebBrowser1 = new QTextBrowser(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setOpenExternalLinks(true);
    WebBrowser1->move(TwipsToPixelsX(24), TwipsToPixelsY(24));
    navigate(HelpPage(appDir, locale));
    resize(pageSize());
}

QString Form5::HelpPage(const QString& appDir, const QLocale& locale) {
    const QString name = locale.name();
    for (const QString& language : {name, name.section(QLatin1Char('_'), 0, 0)}) {
        const QString page = appDir + QStringLiteral("Zederoru.%1.htm").arg(language);
        if (QFileInfo(page).isFile())
            return page;
    }
    return appDir + QStringLiteral("Zederoru.htm");
}

void Form5::navigate(const QString& path) {
    if (QFileInfo(path).isFile()) {
        WebBrowser1->setSource(QUrl::fromLocalFile(path));
        return;
    }
    WebBrowser1->setHtml(tr("<h2>Zederoru Help</h2><p>The help page was not found. "
                            "It belongs in</p><p><code>%1</code></p>")
                             .arg(path.toHtmlEscaped()));
}

// Wide enough for the text beside the page's pictures, as tall as the page or most of the
// screen, whichever is less; never smaller than the window first was.
QSize Form5::pageSize() {
    const QSize least(TwipsToPixelsX(7185), TwipsToPixelsY(5625));
    const int width = std::max(least.width(), 64 * QFontMetrics(font()).averageCharWidth());
    const int frame = 2 * WebBrowser1->frameWidth();
    const QSize around = 2 * browserMargin() + QSize(frame, frame);
    const int scrollBar = WebBrowser1->verticalScrollBar()->sizeHint().width();
    QTextDocument* page = WebBrowser1->document();
    page->setTextWidth(width - around.width() - scrollBar);
    QSize size(width, static_cast<int>(std::ceil(page->size().height())) + around.height());
    if (const QScreen* screen = this->screen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    return size.expandedTo(least);
}

QSize Form5::browserMargin() {
    return {TwipsToPixelsX(24), TwipsToPixelsY(24)};
}

// The browser fills the window with its margin on every side. (The margins once taken from
// the window's outer size were its frame and title bar, which a window manager may add only
// after the first resize; reckoned from the client area there is no blank band.)
void Form5::resizeEvent(QResizeEvent* event) {
    const QSize margin = browserMargin();
    WebBrowser1->setGeometry(QRect(QPoint(margin.width(), margin.height()),
                                   (size() - 2 * margin).expandedTo(QSize(0, 0))));
    QDialog::resizeEvent(event);
}
