#pragma once
// The application: the posted-message queue and its loop, the modal loops
// and their driver, the dialog driver, and the one place where exceptions
// escaping event handlers are caught and shown.

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/classes/TComponent.h"
#include "platform/controls/Messages.h"
#include "platform/core/Exceptions.h"
#include "platform/forms/TDialogDriver.h"

namespace rt {

class TCustomForm;

using TExceptionEvent = TEvent<void(TObject* Sender, const Exception& E)>;

class TApplication : public TComponent {
    RT_CLASS(TApplication, TComponent)

public:
    using ModalDriver = std::function<void(TCustomForm& form)>;

    explicit TApplication(TComponent* owner = nullptr);
    ~TApplication() override;

    // Queues a message for the loop; false when the handle is unknown.
    bool PostMessage(HWND handle, uint32_t msg, WPARAM wparam = 0, LPARAM lparam = 0);
    // Delivers at once and returns the result; 0 for an unknown handle.
    LRESULT SendMessage(HWND handle, uint32_t msg, WPARAM wparam = 0, LPARAM lparam = 0);
    // Handles every queued message, including those posted meanwhile, in order.
    void ProcessMessages();
    // Handles one queued message; false when the queue was empty.
    bool HandleMessage();
    int PendingMessages() const { return static_cast<int>(queue_.size()); }

    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }
    // Clears the terminated flag and the queue (between test scenarios).
    void Reset();

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    int HintPause() const { return hintPause_; }
    void SetHintPause(int ms) { hintPause_ = ms; }
    // How long a hint stays up.
    int HintHidePause() const { return hintHidePause_; }
    void SetHintHidePause(int ms) { hintHidePause_ = ms; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v) { showHint_ = v; }
    TCustomForm* MainForm() const { return mainForm_; }

    // Creates a form of `cls` owned by the application (the first becomes the main form).
    TCustomForm* CreateForm(TClass cls);
    template <class T>
    T* CreateForm() {
        return static_cast<T*>(CreateForm(T::StaticClass()));
    }

    // What runs inside a modal loop; without a driver a modal form is cancelled at once.
    void SetModalDriver(ModalDriver driver) { modalDriver_ = std::move(driver); }
    const ModalDriver& GetModalDriver() const { return modalDriver_; }
    TDialogDriver& DialogDriver() { return dialogDriver_; }
    // The innermost modal form, null outside modal loops.
    TCustomForm* ModalForm() const { return modalStack_.empty() ? nullptr : modalStack_.back(); }
    void BeginModal(TCustomForm* form);
    void EndModal(TCustomForm* form);
    // Runs the driver for `form`, then ends the loop, with mrCancel if the driver left the form modal.
    void RunModalLoop(TCustomForm& form);
    // A form going away: it is no longer the main or a modal form.
    void FormDestroying(TCustomForm* form);

    // Call from inside a catch block: reports the exception being handled
    // through OnException, or as an error dialog. EAbort is silent.
    void HandleException(TObject* sender);
    void ShowException(const Exception& e);
    // Runs `action`; an exception is handled as above. False when one was raised.
    bool Guard(TObject* sender, const std::function<void()>& action);

    // A message box through the dialog driver; returns the ID* of the answer.
    int MessageBox(const std::string& text, const std::string& caption, uint32_t flags = 0);

    TExceptionEvent OnException;

private:
    struct QueuedMessage {
        HWND Handle;
        TMessage Message;
    };
    void Dispatch(const QueuedMessage& m);

    std::deque<QueuedMessage> queue_;
    std::vector<TCustomForm*> modalStack_;
    // Release requests of forms still running modally, delivered when their loop ends.
    std::vector<HWND> deferredReleases_;
    ModalDriver modalDriver_;
    TDialogDriver dialogDriver_;
    std::string title_;
    int hintPause_ = 500;
    int hintHidePause_ = 2500;
    bool showHint_ = true;
    bool terminated_ = false;
    TCustomForm* mainForm_ = nullptr;
};

TApplication& Application();

}  // namespace rt
