#pragma once
// The only JPEG writer of the designer (every caller passes quality 100).
#include <QImage>
#include <QString>

// Writes the whole picture at its own size as a baseline 4:4:4 JPEG file.
// The file is written beside the target under a temporary name and renamed
// over it only when complete, so a failure leaves any previous file whole.
// Throws AppError(5, "Cannot save the image. GDI+ Error:" + status) on failure;
// the status numbers are listed in Jpeg.cpp. When a file step fails and
// `reason` is given, it receives the system's reason.
void SaveJpeg(const QImage& picture, const QString& fileName, int quality, QString* reason = nullptr);
