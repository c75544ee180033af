// The check every effect file passes before the sound server sees it.

#include "sound/wav_check.h"

#include <QTest>

#include <cstdint>
#include <string>

namespace {

void put32(std::string& b, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<char>(v >> (8 * i));
}
void put16(std::string& b, std::size_t at, std::uint32_t v)
{
    b[at] = static_cast<char>(v);
    b[at + 1] = static_cast<char>(v >> 8);
}

// A mono 16-bit 22050 Hz WAV of `frames` frames, laid out as the effects are:
// RIFF at 0, "fmt " at 12 (its fields from 20), "data" at 36, sound from 44.
std::string wav(std::uint32_t frames = 100)
{
    std::string b(44 + frames * 2, '\0');
    b.replace(0, 4, "RIFF");
    put32(b, 4, static_cast<std::uint32_t>(b.size() - 8));
    b.replace(8, 8, "WAVEfmt ");
    put32(b, 16, 16);
    put16(b, 20, 1);
    put16(b, 22, 1);
    put32(b, 24, 22050);
    put32(b, 28, 44100);
    put16(b, 32, 2);
    put16(b, 34, 16);
    b.replace(36, 4, "data");
    put32(b, 40, frames * 2);
    return b;
}

template <typename Change>
std::string changed(Change change)
{
    std::string b = wav();
    change(b);
    return b;
}

}  // namespace

class TestWavCheck : public QObject {
    Q_OBJECT

private slots:
    void check_data();
    void check();
};

void TestWavCheck::check_data()
{
    QTest::addColumn<std::string>("bytes");
    QTest::addColumn<QString>("problem");  // "" for a sound that plays

    QTest::newRow("the effects' own layout") << wav() << "";
    QTest::newRow("a single frame") << wav(1) << "";
    QTest::newRow("padding after the RIFF end") << wav() + std::string(3, '\0') << "";
    QTest::newRow("a chunk before the format, odd-sized and padded") << changed([](std::string& b) {
        b.insert(12, std::string("LIST\x03\0\0\0abc\0", 12));
        put32(b, 4, static_cast<std::uint32_t>(b.size() - 8));
    }) << "";
    QTest::newRow("empty") << std::string() << "empty file";
    QTest::newRow("a text file") << std::string("hello, this is not a sound") << "not a WAV file";
    QTest::newRow("header cut inside RIFF") << wav().substr(0, 11) << "not a WAV file";
    QTest::newRow("cut inside the sound") << wav().substr(0, 100) << "truncated: the header promises 244 bytes, the file has 100";
    QTest::newRow("RIFF size one past the file") << changed([](std::string& b) { put32(b, 4, 237); })
                                                  << "truncated: the header promises 245 bytes, the file has 244";
    QTest::newRow("absurd RIFF size") << changed([](std::string& b) { put32(b, 4, 0xFFFFFFFF); })
                                      << "truncated: the header promises 4294967303 bytes, the file has 244";
    QTest::newRow("RIFF size below its own header") << changed([](std::string& b) { put32(b, 4, 3); })
                                                     << "RIFF size 3 too small";
    QTest::newRow("absurd data size") << changed([](std::string& b) { put32(b, 40, 0xFFFFFFF0); })
                                      << "chunk 'data' of 4294967280 bytes runs past the end";
    QTest::newRow("data one byte past the RIFF end") << changed([](std::string& b) { put32(b, 40, 201); })
                                                      << "chunk 'data' of 201 bytes runs past the end";
    QTest::newRow("no sound at all") << changed([](std::string& b) { put32(b, 40, 0); }) << "sound data of 0 bytes";
    QTest::newRow("half a frame") << changed([](std::string& b) { put32(b, 40, 199); }) << "sound data of 199 bytes";
    QTest::newRow("absurd format size") << changed([](std::string& b) { put32(b, 16, 0x7FFFFFFF); })
                                        << "chunk 'fmt ' of 2147483647 bytes runs past the end";
    QTest::newRow("short format") << changed([](std::string& b) { put32(b, 16, 14); }) << "format chunk of 14 bytes";
    QTest::newRow("compressed") << changed([](std::string& b) { put16(b, 20, 2); }) << "not plain PCM (format 2)";
    QTest::newRow("no channels") << changed([](std::string& b) { put16(b, 22, 0); }) << "0 channels";
    QTest::newRow("three channels") << changed([](std::string& b) { put16(b, 22, 3); }) << "3 channels";
    QTest::newRow("24 bits") << changed([](std::string& b) { put16(b, 34, 24); }) << "24 bits a sample";
    QTest::newRow("rate 0") << changed([](std::string& b) { put32(b, 24, 0); }) << "sample rate 0";
    QTest::newRow("absurd rate") << changed([](std::string& b) { put32(b, 24, 0xFFFFFFFF); }) << "sample rate 2147483647";
    QTest::newRow("byte rate that disagrees") << changed([](std::string& b) { put32(b, 28, 22050); })
                                              << "frame size or byte rate disagree with the format";
    QTest::newRow("frame size that disagrees") << changed([](std::string& b) { put16(b, 32, 4); })
                                               << "frame size or byte rate disagree with the format";
    QTest::newRow("no format chunk") << changed([](std::string& b) { b.replace(12, 4, "junk"); })
                                     << "sound data before its format";
    QTest::newRow("no data chunk") << changed([](std::string& b) { b.replace(36, 4, "junk"); }) << "no sound data";
    QTest::newRow("exactly the cap") << changed([](std::string& b) {
        b.resize(wd::max_effect_bytes);
        put32(b, 4, static_cast<std::uint32_t>(b.size() - 8));
        put32(b, 40, static_cast<std::uint32_t>(b.size() - 44));
    }) << "";
    QTest::newRow("one frame over the cap") << wav((wd::max_effect_bytes - 44) / 2 + 1) << "larger than 1024 KiB";
}

void TestWavCheck::check()
{
    QFETCH(std::string, bytes);
    QFETCH(QString, problem);
    const wd::Result<wd::WavLayout> checked = wd::check_wav(bytes);
    QCOMPARE(checked.ok() ? QString() : QString::fromStdString(checked.problem().text), problem);
    if (checked.ok()) {
        const wd::WavLayout& result = checked.value();
        // What the server is given lies inside the file.
        QCOMPARE(result.channels, 1);
        QCOMPARE(result.rate, 22050);
        QCOMPARE(result.bits, 16);
        QVERIFY(result.data_size > 0);
        QVERIFY(result.data_offset + result.data_size <= bytes.size());
        QCOMPARE(result.data_size % 2, std::size_t{0});
    }
}

QTEST_APPLESS_MAIN(TestWavCheck)
#include "test_wav_check.moc"
