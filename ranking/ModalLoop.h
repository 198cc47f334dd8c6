#pragma once
// How a modal dialog waits for its end: the program runs the application's message loop, the
// scripted runner runs the script's next lines instead.

namespace ranking {

class TForm2;

class ModalLoop {
  public:
    virtual ~ModalLoop() = default;
    // Returns once the dialog has closed, or when the loop can go on no longer.
    virtual void run(TForm2& dialog) = 0;
};

// The application's own loop, drawing the dialog after every turn. The game's frame timer is
// off meanwhile, so the idle passes block for the next event.
class ApplicationModalLoop final : public ModalLoop {
  public:
    void run(TForm2& dialog) override;
};

}  // namespace ranking
