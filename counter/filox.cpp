// filox [file]: counts the words and the lines of one text file, each count
// taken by a worker thread of its own, and prints one result line.

#include <cstdint>
#include <string>

#include "console.h"
#include "counting.h"
#include "text_file.h"
#include "thread.h"

using runtime::cout;
using runtime::endl;

class WordsThread : public Filox {
public:
    explicit WordsThread(const char* szName) : szFile(szName) {}
    std::uint64_t GetCount() const { return cbWords; }

private:
    std::uint32_t Run() override;

    std::uint64_t cbWords = 0;
    std::string szFile;
};

class SentencesThread : public Filox {
public:
    explicit SentencesThread(const char* szName) : szFile(szName) {}
    std::uint64_t GetCount() const { return cbSentences; }

private:
    std::uint32_t Run() override;

    std::uint64_t cbSentences = 0;
    std::string szFile;
};

std::uint32_t WordsThread::Run()
{
    runtime::TextFile is(szFile.c_str());
    cbWords = CountWords(is);
    return 0;
}

std::uint32_t SentencesThread::Run()
{
    runtime::TextFile is(szFile.c_str());
    cbSentences = CountLines(is);
    return 0;
}

int main(int argc, char* argv[])
{
    const std::string szFile = argc > 1 ? argv[1] : "FILOX";

    WordsThread words(szFile.c_str());
    SentencesThread sentences(szFile.c_str());

    words.Start();
    sentences.Start();

    words.WaitForExit(Filox::kNoTimeLimit);
    sentences.WaitForExit(Filox::kNoTimeLimit);

    cout << words.GetCount() << "\tWorte und " << sentences.GetCount() << " Saetze in "
         << szFile.c_str() << endl;
    return 0;
}
