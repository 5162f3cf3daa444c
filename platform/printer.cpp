// SPDX-License-Identifier: GPL-3.0-or-later
#include "printer.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

Printer::Outcome failed(const QString& reason) {
    return {Printer::Outcome::Status::Failed, reason, {}};
}

} // namespace

QRect FitOnPage(QSize image, QRect page) {
    if (image.isEmpty() || page.isEmpty())
        return {};
    const QSize fitted = image.scaled(page.size(), Qt::KeepAspectRatio);
    const QPoint offset((page.width() - fitted.width()) / 2, (page.height() - fitted.height()) / 2);
    return QRect(page.topLeft() + offset, fitted);
}

void DrawFitted(QPainter& painter, QSize page, const Printer::PageDrawing& draw) {
    painter.setViewport(FitOnPage(page, painter.viewport()));
    painter.setWindow(QRect(QPoint(0, 0), page));
    draw(painter);
}

Printer::Outcome WritePdfPage(QSize page, const Printer::PageDrawing& draw, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(
            QCoreApplication::translate("Printer", "The page could not be written to %1: %2")
                .arg(path, file.errorString()));
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Zederoru"));
        writer.setTitle(QStringLiteral("Zederoru"));
        writer.setResolution(1200);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                         page.width() > page.height() ? QPageLayout::Landscape
                                                                      : QPageLayout::Portrait,
                                         QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        QPainter painter;
        if (!painter.begin(&writer))
            return failed(
                QCoreApplication::translate("Printer", "The page could not be written to %1.")
                    .arg(path));
        DrawFitted(painter, page, draw);
        painter.end();
    }
    if (!file.commit())
        return failed(
            QCoreApplication::translate("Printer", "The page could not be written to %1: %2")
                .arg(path, file.errorString()));
    return {Printer::Outcome::Status::Printed, {}, path};
}
