// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/window_registry.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QPointer>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace sd {
namespace {

// A window with some window-level state.
class ProbeWindow final : public QObject {
  public:
    int value = 0;
};

ProbeWindow* probe(QObject* window) {
    return static_cast<ProbeWindow*>(window);
}

// Deletes what deleteLater() has queued, as the event loop would on its next pass.
void runDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class WindowRegistryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int i = 0; i < kWindowCount; ++i) {
            registry.setFactory(static_cast<WindowId>(i), [this] {
                ++created;
                return std::make_unique<ProbeWindow>();
            });
        }
        registry.setOnEmpty([this] { ++emptied; });
    }
    void TearDown() override { runDeferredDeletes(); }

    WindowRegistry registry;
    int created = 0;
    int emptied = 0;
};

TEST_F(WindowRegistryTest, LoadingALoadedWindowReturnsTheSameInstance) {
    QObject* first = registry.load(WindowId::Operativo);
    ASSERT_NE(first, nullptr);
    probe(first)->value = 7;
    EXPECT_EQ(registry.load(WindowId::Operativo), first);
    EXPECT_EQ(registry.instance(WindowId::Operativo), first);
    EXPECT_EQ(probe(registry.load(WindowId::Operativo))->value, 7);
    EXPECT_EQ(created, 1);
    EXPECT_EQ(registry.loadedCount(), 1);
}

TEST_F(WindowRegistryTest, EachWindowHasItsOwnInstance) {
    QObject* inizio = registry.load(WindowId::Inizio);
    QObject* nome = registry.load(WindowId::Nome);
    EXPECT_NE(inizio, nome);
    EXPECT_EQ(registry.loadedCount(), 2);
    EXPECT_TRUE(registry.isLoaded(WindowId::Nome));
    EXPECT_FALSE(registry.isLoaded(WindowId::Attestato));
}

TEST_F(WindowRegistryTest, WindowWithoutFactoryIsNotLoaded) {
    WindowRegistry bare;
    EXPECT_EQ(bare.load(WindowId::Autore), nullptr);
    EXPECT_FALSE(bare.isLoaded(WindowId::Autore));
    EXPECT_EQ(bare.loadedCount(), 0);
}

TEST_F(WindowRegistryTest, UnloadDestroysTheWindowOnTheNextLoopPass) {
    QPointer<QObject> window = registry.load(WindowId::StampaEsercizio);
    registry.unload(WindowId::StampaEsercizio);
    EXPECT_FALSE(registry.isLoaded(WindowId::StampaEsercizio));
    EXPECT_EQ(registry.instance(WindowId::StampaEsercizio), nullptr);
    EXPECT_FALSE(window.isNull());  // still alive until control returns to the loop
    runDeferredDeletes();
    EXPECT_TRUE(window.isNull());
}

TEST_F(WindowRegistryTest, WindowLoadedAgainStartsAfresh) {
    probe(registry.load(WindowId::Attestato))->value = 3;
    registry.unload(WindowId::Attestato);
    runDeferredDeletes();
    QObject* again = registry.load(WindowId::Attestato);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(probe(again)->value, 0);
    EXPECT_EQ(created, 2);
}

TEST_F(WindowRegistryTest, ReloadBeforeTheOldInstanceIsGoneGivesANewOne) {
    QPointer<QObject> old = registry.load(WindowId::Operativo);
    probe(old)->value = 9;
    registry.unload(WindowId::Operativo);
    QPointer<QObject> fresh = registry.load(WindowId::Operativo);
    EXPECT_NE(old.data(), fresh.data());
    runDeferredDeletes();
    EXPECT_TRUE(old.isNull());
    ASSERT_FALSE(fresh.isNull());
    EXPECT_EQ(registry.instance(WindowId::Operativo), fresh.data());
    EXPECT_EQ(probe(fresh)->value, 0);
}

TEST_F(WindowRegistryTest, OnUnloadSeesTheLeavingWindowStillAlive) {
    QObject* window = registry.load(WindowId::Autore);
    std::vector<WindowId> unloaded;
    registry.setOnUnload([&](WindowId id, QObject* leaving) {
        unloaded.push_back(id);
        EXPECT_EQ(leaving, window);
        EXPECT_FALSE(registry.isLoaded(id));
    });
    registry.unload(WindowId::Autore);
    registry.unload(WindowId::Autore);  // no longer loaded: nothing happens
    EXPECT_EQ(unloaded, std::vector<WindowId>{WindowId::Autore});
}

TEST_F(WindowRegistryTest, OnEmptyFiresWhenTheLastWindowGoes) {
    registry.load(WindowId::Inizio);
    registry.load(WindowId::Operativo);
    registry.unload(WindowId::Operativo);
    EXPECT_EQ(emptied, 0);
    registry.unload(WindowId::Nome);  // never loaded
    EXPECT_EQ(emptied, 0);
    registry.unload(WindowId::Inizio);
    EXPECT_EQ(emptied, 1);
    registry.unload(WindowId::Inizio);
    EXPECT_EQ(emptied, 1);
}

TEST_F(WindowRegistryTest, UnloadAllEmptiesTheRegistryOnce) {
    for (const WindowId id :
         {WindowId::Inizio, WindowId::Operativo, WindowId::StampaEsercizio, WindowId::Attestato}) {
        registry.load(id);
    }
    std::vector<QPointer<QObject>> windows;
    for (int i = 0; i < kWindowCount; ++i)
        windows.emplace_back(registry.instance(static_cast<WindowId>(i)));
    registry.unloadAll();
    EXPECT_EQ(registry.loadedCount(), 0);
    EXPECT_EQ(emptied, 1);
    runDeferredDeletes();
    for (const QPointer<QObject>& window : windows) EXPECT_TRUE(window.isNull());
}

// Closing the start window first unloads the exercise window, then the start window itself.
TEST_F(WindowRegistryTest, WindowUnloadingAnotherFromItsUnloadAnnouncesTheEndOnce) {
    registry.load(WindowId::Inizio);
    registry.load(WindowId::Operativo);
    registry.setOnUnload([this](WindowId id, QObject*) {
        if (id == WindowId::Inizio) registry.unload(WindowId::Operativo);
    });
    registry.unload(WindowId::Inizio);
    EXPECT_EQ(registry.loadedCount(), 0);
    EXPECT_EQ(emptied, 1);
}

TEST_F(WindowRegistryTest, WindowCanUnloadItselfFromItsOwnHandler) {
    auto* window = probe(registry.load(WindowId::Nome));
    QPointer<QObject> watch(window);
    bool aliveAfterUnload = false;
    bool handled = false;
    QMetaObject::invokeMethod(
        window,
        [&] {
            registry.unload(WindowId::Nome);
            window->value = 1;  // the handler still runs on a live object
            aliveAfterUnload = !watch.isNull();
            handled = true;
        },
        Qt::QueuedConnection);
    QCoreApplication::processEvents();
    ASSERT_TRUE(handled);
    EXPECT_TRUE(aliveAfterUnload);
    EXPECT_EQ(emptied, 1);
    runDeferredDeletes();
    EXPECT_TRUE(watch.isNull());
}

TEST(WindowRegistry, WindowsStillLoadedGoWithTheRegistry) {
    QPointer<QObject> window;
    bool emptied = false;
    {
        WindowRegistry registry;
        registry.setFactory(WindowId::Inizio, [] { return std::make_unique<QObject>(); });
        registry.setOnEmpty([&] { emptied = true; });
        window = registry.load(WindowId::Inizio);
        ASSERT_FALSE(window.isNull());
    }
    EXPECT_TRUE(window.isNull());
    EXPECT_FALSE(emptied);
}

}  // namespace
}  // namespace sd
