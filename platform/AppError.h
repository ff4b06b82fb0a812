#pragma once
// An error raised to a caller with a number and a description (the JPEG
// writer and the bitmap's file writer raise these; windows catch them).
#include <QString>
#include <exception>

struct AppError : std::exception {
    AppError(int number, QString description, QString source = QString())
        : number(number), description(std::move(description)), source(std::move(source)) {}
    const char* what() const noexcept override { return "AppError"; }

    int number;
    QString description;
    QString source;
};
