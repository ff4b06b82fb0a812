#pragma once
// One helper object of type T per paint window: made on first use as a child
// of the window (so it lives as long as the window) and found again by the
// window's PaintEnv. T is a QObject with a constructor T(PaintEnv&).
#include "paint/PaintEnv.h"

#include <QHash>
#include <QObject>

template <class T> T& perWindow(PaintEnv& env) {
    static QHash<PaintEnv*, T*> made;
    if (T* t = made.value(&env))
        return *t;
    T* t = new T(env);
    made.insert(&env, t);
    QObject::connect(t, &QObject::destroyed, [key = &env] { made.remove(key); });
    return *t;
}
