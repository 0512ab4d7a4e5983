#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// Answers modal windows from inside their own event loop, the one way the window suites do it.
// A window that is slow to open on a busy machine is still answered. One that does not open in
// time, or stays open after its answer, fails the test; from then on every modal window that
// is or becomes open is rejected, so the exec() the test waits on returns instead of hanging.
namespace ModaalVenster {

// Long enough for a fully loaded machine with a sanitizer build.
inline constexpr std::chrono::milliseconds Termijn{30000};

namespace detail {
enum class Stand { Wacht, Beantwoord, Klaar, Opgegeven };

// One answer being waited for: its polling timer and how far it got.
struct Wachter
{
    QTimer Timer;
    QElapsedTimer Klok;
    std::string Soort;
    Stand Stap = Stand::Wacht;
    QPointer<QWidget> Venster;
};

// The answers of the running test; RondAf ends them when the test ends (a timer is not
// deleted from inside its own timeout).
inline std::vector<std::shared_ptr<Wachter>>& Wachters()
{
    static std::vector<std::shared_ptr<Wachter>> wachters;
    return wachters;
}
} // namespace detail

// Rejects (or hides) every open modal window, the top one first. Returns how many.
inline int SluitAlles()
{
    int gesloten = 0;
    for (int ronde = 0; ronde < 50; ++ronde) {
        QWidget* venster = QApplication::activeModalWidget();
        if (!venster) {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible() && w->isModal())
                    venster = w;
        }
        if (!venster)
            break;
        if (auto* dialoog = qobject_cast<QDialog*>(venster))
            dialoog->reject();
        if (venster->isVisible())
            venster->hide();
        ++gesloten;
    }
    return gesloten;
}

// Acts on the next modal window of type W as soon as it is active, from inside its event loop.
// doe must close the window (a key, a button); nested answers may be set up inside doe.
template <typename W>
void Beantwoord(std::function<void(W&)> doe, std::chrono::milliseconds termijn = Termijn)
{
    auto wachter = std::make_shared<detail::Wachter>();
    wachter->Soort = W::staticMetaObject.className();
    wachter->Klok.start();
    detail::Wachters().push_back(wachter);
    detail::Wachter* w = wachter.get();
    QObject::connect(&w->Timer, &QTimer::timeout, [w, doe = std::move(doe), termijn] {
        using detail::Stand;
        switch (w->Stap) {
        case Stand::Wacht:
            if (auto* venster = qobject_cast<W*>(QApplication::activeModalWidget())) {
                // From now on the window itself is watched: its answer must close it.
                w->Stap = Stand::Beantwoord;
                w->Venster = venster;
                doe(*venster);
                w->Klok.restart();
                return;
            }
            if (w->Klok.elapsed() < termijn.count())
                return;
            if (QWidget* ander = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "het modale venster " << w->Soort << " ging niet open binnen "
                              << termijn.count() << " ms; wel open: "
                              << ander->metaObject()->className();
            } else {
                ADD_FAILURE() << "het modale venster " << w->Soort << " ging niet open binnen "
                              << termijn.count() << " ms";
            }
            break;
        case Stand::Beantwoord:
            if (!w->Venster || !w->Venster->isVisible()) {
                w->Stap = Stand::Klaar;
                w->Timer.stop();
                return;
            }
            if (w->Klok.elapsed() < termijn.count())
                return;
            ADD_FAILURE() << "het modale venster " << w->Soort << " bleef open na het antwoord";
            break;
        case Stand::Klaar:
            return;
        case Stand::Opgegeven:
            SluitAlles();
            return;
        }
        // Given up: the test has failed and nothing may stay open and block it.
        w->Stap = Stand::Opgegeven;
        SluitAlles();
    });
    w->Timer.start(10);
}

// At the end of every window test: a window that was waited for and never opened fails the
// test, and no timer of this test reaches into the next one.
inline void RondAf()
{
    const auto wachters = std::move(detail::Wachters());
    detail::Wachters().clear();
    for (const auto& wachter : wachters) {
        if (wachter->Stap == detail::Stand::Wacht) {
            ADD_FAILURE() << "het modale venster " << wachter->Soort
                          << " waarop de test wachtte, ging nooit open";
        }
    }
}

} // namespace ModaalVenster
