#pragma once
// An error raised to a caller with a number and a description (the JPEG
// writer and the bitmap's file writer raise these; windows catch them).
#include <QString>
#include <exception>
#include <new>

struct AppError : std::exception {
    AppError(int number, QString description, QString source = QString())
        : number(number), description(std::move(description)), source(std::move(source)) {}
    const char* what() const noexcept override { return "AppError"; }

    int number;
    QString description;
    QString source;
};

// The description to show for any error a step raised.
inline QString ErrorDescription(const std::exception& e) {
    if (const auto* app = dynamic_cast<const AppError*>(&e))
        return app->description;
    if (dynamic_cast<const std::bad_alloc*>(&e))
        return QStringLiteral("Out of memory");
    return QString::fromLocal8Bit(e.what());
}
