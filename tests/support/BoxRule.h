// The rule every test program runs under: no message box passes unseen.
// Every box of this process goes through the reporter the rule installs
// (answered at once, never shown), and every box a program started by an
// end-to-end test writes into its message log is read back; a case fails
// when a box showed that it did not name with ExpectBox, and when a box it
// named never showed. The test programs' main installs the rule.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct ShownBox
{
    std::string text;
    std::string caption;
    UINT flags = 0;
    bool hasOwner = false;
};

// The case expects one more box of exactly this text; the reporter answers
// it with answer (a logged box was answered by the program's own rule).
void ExpectBox(const std::string& text, int answer = IDOK);

// Boxes of exactly this text may show any number of times in the case
// (a random soak cannot know how many), answered with answer.
void AllowBox(const std::string& text, int answer = IDOK);

// Every box of the case so far, expected or not, in the order shown.
std::vector<ShownBox> ShownBoxes();
std::vector<std::string> ShownBoxTexts();

// The boxes shown from its making on, in this case: what one run showed.
class BoxWatch
{
public:
    BoxWatch();
    std::vector<ShownBox> Boxes() const;
    std::vector<std::string> Texts() const;

private:
    size_t m_from;
};

// While it lives, this thread's boxes come from the test's own reading of a
// file a program may be writing (an archive read back while the editor
// saves it): they are answered and counted in no case. Never around what a
// case tests.
class QuietReading
{
public:
    QuietReading();
    ~QuietReading();
};

// A place boxes were logged in (a program's message log): read at the end
// of every case, and by its owner before it goes.
class BoxSource
{
public:
    BoxSource();
    virtual ~BoxSource();
    // Hands every box logged since the last call to NoteLoggedBox.
    virtual void CollectBoxes() = 0;

private:
    BoxSource(const BoxSource&);
    BoxSource& operator=(const BoxSource&);
};

// A box another process showed (and answered), counted in the current case.
void NoteLoggedBox(const ShownBox& box);

// Installs the reporter and the check after every case (once, from main).
void InstallBoxRule();
