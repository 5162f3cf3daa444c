// SPDX-License-Identifier: GPL-3.0-or-later
#include "form5.h"

#include "platform/twips.h"

#include <QFileInfo>
#include <QTextBrowser>

Form5::Form5(const QString& appDir, QWidget* parent, const QLocale& locale) : QDialog(parent) {
    setWindowTitle(tr("Zederoru Help"));
    WebBrowser1 = new QTextBrowser(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setOpenExternalLinks(true);
    WebBrowser1->setGeometry(TwipsToPixelsX(24), TwipsToPixelsY(24), TwipsToPixelsX(7116),
                             TwipsToPixelsY(5460));
    resize(TwipsToPixelsX(7185), TwipsToPixelsY(5625));
    navigate(HelpPage(appDir, locale));
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

// The browser fills the window less the margins taken from its outer size.
void Form5::resizeEvent(QResizeEvent* event) {
    const QSize outer = frameGeometry().size();
    WebBrowser1->resize(std::max(0, outer.width() - TwipsToPixelsX(120)),
                        std::max(0, outer.height() - TwipsToPixelsY(480)));
    QDialog::resizeEvent(event);
}
