#pragma once
// Backends for tests. RecordingTest installs a fresh RecordingBackend for
// each test (see platform/recording_backend.h for its log and metric);
// QtSessionTest opens a fresh offscreen frame window with the Qt backend.

#include <gtest/gtest.h>

#include <memory>

#include "platform/qt/qt_application.h"
#include "platform/recording_backend.h"

namespace testing_support {

// Installs a recording backend for the life of the object.
class ScopedRecordingBackend {
public:
    ScopedRecordingBackend() { platform::install_backend(&backend_); }
    ~ScopedRecordingBackend() { platform::install_backend(nullptr); }
    ScopedRecordingBackend(const ScopedRecordingBackend&) = delete;
    ScopedRecordingBackend& operator=(const ScopedRecordingBackend&) = delete;
    platform::RecordingBackend& operator*() { return backend_; }
    platform::RecordingBackend* operator->() { return &backend_; }

private:
    platform::RecordingBackend backend_;
};

class RecordingTest : public ::testing::Test {
protected:
    platform::RecordingBackend& recorder() { return *backend_; }

private:
    ScopedRecordingBackend backend_;
};

class QtSessionTest : public ::testing::Test {
protected:
    platform::qt::Session& session() { return session_; }

private:
    platform::qt::Session session_;
};

}  // namespace testing_support
