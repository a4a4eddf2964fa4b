// The content checks of the audio and video types, row by row, and a few
// whole-detector answers that the walk order settles among these types.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "checks/checks.h"
#include "mime_magic/mime_magic.h"
#include "check_support.h"

namespace {

using namespace mime_magic;
using namespace mime_magic::checks;
using namespace std::string_literals;
using namespace checksupport;

// Hexadecimal bytes, short for the rows.
const auto& H = hex;

// Each row's check is evaluated plainly and again inside a detection.
void run_cases(const std::vector<TypeRow>& cases) { run_type_rows(cases, Scope::also_in_detection); }

const std::string kOgg = "OggS";
const std::string kAsf = H("30 26 B2 75 8E 66 CF 11 A6 D9 00 AA 00 62 CE 6C");
const std::string kEbml = H("1A 45 DF A3");
const std::string kMj2 = H("00 00 00 0C 6A 50 20 20 0D 0A 87 0A");

TEST(AudioChecks, Dolby) {
    run_cases({
        {"audio/ac3", check_audio_ac3, {{0, H("0B 77")}}, true, "sync word"},
        {"audio/ac3", check_audio_ac3, {{0, H("0B 78")}}, false, "other second byte"},
        {"audio/ac3", check_audio_ac3, {{1, H("0B 77")}}, false, "sync word one byte late"},
        {"audio/eac3", check_audio_eac3, {{0, H("0B 77 00 00 00 58")}}, true, "byte 5 is 58"},
        {"audio/eac3", check_audio_eac3, {{0, H("0B 77 00 00 00 5F")}}, true, "byte 5 is 5F"},
        {"audio/eac3", check_audio_eac3, {{0, H("0B 77 00 00 00 6C")}}, true, "byte 5 is 6C"},
        {"audio/eac3", check_audio_eac3, {{0, H("0B 77 00 00 00 87")}}, true, "byte 5 is 87"},
        {"audio/eac3", check_audio_eac3, {{0, H("0B 77 00 00 00 57")}}, false, "byte 5 is 57"},
        {"audio/eac3", check_audio_eac3, {{0, H("0B 77 00 00 00 88")}}, false, "byte 5 is 88"},
        {"audio/eac3", check_audio_eac3, {{0, H("0B 77 00 00 58 00")}}, false, "58 at byte 4"},
        {"audio/eac3", check_audio_eac3, {{0, H("0B 76 00 00 00 60")}}, false, "no sync word"},
    });
}

TEST(AudioChecks, Amr) {
    run_cases({
        {"audio/amr", check_audio_amr, {{0, "#!AMR\n"}}, true, "narrow-band header"},
        {"audio/amr", check_audio_amr, {{0, "#!AMR-WB\n"}}, true, "wide-band header"},
        {"audio/amr", check_audio_amr, {{0, "#!amr\n"}}, false, "lower case"},
        {"audio/amr", check_audio_amr, {{1, "#!AMR\n"}}, false, "one byte late"},
        {"audio/amr-wb", check_audio_amr_wb, {{0, "#!AMR-WB\n"}}, true, "header and LF"},
        {"audio/amr-wb", check_audio_amr_wb, {{0, "#!AMR-WB\r\n"}}, false, "CR at 8"},
        {"audio/amr-wb", check_audio_amr_wb, {{0, "#!AMR-WB"}}, false, "00 at 8"},
        {"audio/amr-wb", check_audio_amr_wb, {{0, "#!AMR\n"}}, false, "narrow-band"},
    });
}

TEST(AudioChecks, FixedHeaders) {
    const std::string ape = H("96 0F 00 00 34 00 00 00 18 00 00 00 90 E3");
    run_cases({
        {"audio/ape", check_audio_ape, {{0, "MAC " + ape}}, true, "full header"},
        {"audio/ape", check_audio_ape, {{0, "MAC " + ape.substr(0, 13) + H("E4")}}, false,
         "last header byte differs"},
        {"audio/ape", check_audio_ape, {{0, "MAC"}, {4, ape}}, false, "00 in place of the blank"},
        {"audio/midi", check_audio_midi, {{0, "MThd"}}, true, "MThd"},
        {"audio/midi", check_audio_midi, {{0, "MThD"}}, false, "wrong case"},
        {"audio/musepack", check_audio_musepack, {{0, "MPCK"}}, true, "MPCK"},
        {"audio/musepack", check_audio_musepack, {{0, "MP+"}}, false, "SV7 header"},
        {"audio/prs.sid", check_audio_prs_sid, {{0, "PSID"}}, true, "PSID"},
        {"audio/prs.sid", check_audio_prs_sid, {{0, "RSID"}}, false, "RSID"},
        {"audio/x-flac", check_audio_x_flac, {{0, "fLaC"}}, true, "fLaC"},
        {"audio/x-flac", check_audio_x_flac, {{0, "FLAC"}}, false, "upper case"},
        {"audio/x-pn-realaudio", check_audio_x_pn_realaudio, {{0, H("2E 72 61 FD")}}, true,
         "header"},
        {"audio/x-pn-realaudio", check_audio_x_pn_realaudio, {{0, H("2E 72 61 FE")}}, false,
         "last byte differs"},
        {"audio/x-unknown", check_audio_x_unknown, {{0, "Creative Voice File\x1A"}}, true,
         "voice file"},
        {"audio/x-unknown", check_audio_x_unknown, {{0, "Creative voice File"}}, false,
         "wrong case"},
        {"audio/x-sap", check_audio_x_sap, {{0, "SAP\r\n"}}, true, "CR LF"},
        {"audio/x-sap", check_audio_x_sap, {{0, "SAP\n"}}, false, "LF only"},
        {"audio/x-mpegurl", check_audio_x_mpegurl, {{0, "#EXTM3U\r\n"}}, true, "CR LF"},
        {"audio/x-mpegurl", check_audio_x_mpegurl, {{0, "#EXTM3U\n#EXTINF"}}, false, "LF only"},
    });
}

TEST(AudioChecks, SunAndDecAudio) {
    std::vector<TypeRow> cases;
    for (char e = 1; e <= 7; ++e) {
        std::string enc = H("00 00 00") + std::string(1, e);
        cases.push_back({"audio/basic", check_audio_basic, {{0, ".snd" + H("00 00 01 00")}, {12, enc}},
                         true, "encoding 1..7 at 12"});
        cases.push_back({"audio/x-dec-basic", check_audio_x_dec_basic,
                         {{0, H("00 64 73 2E 00 00 01 00")}, {12, enc}}, true, "encoding 1..7 at 12"});
    }
    cases.insert(cases.end(), {
        {"audio/basic", check_audio_basic, {{0, ".snd" + H("00 00 01 00")}, {12, H("00 00 00 08")}},
         false, "encoding 8 with a non-zero offset word"},
        {"audio/basic", check_audio_basic, {{0, ".snd" + H("00 00 00 20")}, {12, H("FF FF FF FF")}},
         true, "00 00 00 at 4 whatever bytes 12 to 15 are"},
        {"audio/basic", check_audio_basic, {{0, ".snd" + H("00 01 00 20")}, {12, H("00 00 00 17")}},
         false, "ADPCM encoding is not basic"},
        {"audio/basic", check_audio_basic, {{0, ".SND"}, {12, H("00 00 00 01")}}, false,
         "wrong case"},
        {"audio/x-adpcm", check_audio_x_adpcm, {{0, ".snd"}, {12, H("00 00 00 17")}}, true,
         "encoding 23"},
        {"audio/x-adpcm", check_audio_x_adpcm, {{0, ".snd"}, {12, H("00 00 00 16")}}, false,
         "encoding 22"},
        {"audio/x-adpcm", check_audio_x_adpcm, {{0, H("00 64 73 2E")}, {12, H("00 00 00 17")}},
         false, "DEC magic"},
        {"audio/x-dec-adpcm", check_audio_x_dec_adpcm, {{0, H("00 64 73 2E")}, {12, H("00 00 00 17")}},
         true, "encoding 23"},
        {"audio/x-dec-adpcm", check_audio_x_dec_adpcm, {{0, ".snd"}, {12, H("00 00 00 17")}},
         false, "Sun magic"},
        {"audio/x-dec-basic", check_audio_x_dec_basic, {{0, H("00 64 73 2E")}, {12, H("00 00 00 17")}},
         false, "encoding 23"},
        {"audio/x-dec-basic", check_audio_x_dec_basic, {{0, H("00 64 73 2E")}}, false,
         "encoding 0, no 00 00 00 at 4 alternative"},
    });
    run_cases(cases);
}

TEST(AudioChecks, RiffAndIff) {
    run_cases({
        {"audio/qcelp", check_audio_qcelp, {{0, "RIFF"}, {8, "QLCM"}}, true, "QLCM"},
        {"audio/qcelp", check_audio_qcelp, {{0, "RIFF"}, {8, "WAVE"}}, false, "WAVE"},
        {"audio/vnd.wave", check_audio_vnd_wave, {{0, "RIFF"}, {8, "WAVE"}}, true, "WAVE"},
        {"audio/vnd.wave", check_audio_vnd_wave, {{0, "RIFX"}, {8, "WAVE"}}, false, "RIFX"},
        {"audio/vnd.wave", check_audio_vnd_wave, {{0, "RIFF"}, {9, "WAVE"}}, false, "form late"},
        {"audio/x-aiff", check_audio_x_aiff, {{0, "FORM\x01"}, {8, "AIFF"}}, true, "AIFF"},
        {"audio/x-aiff", check_audio_x_aiff, {{0, "FORM\x01"}, {8, "AIFC"}}, true, "AIFC"},
        {"audio/x-aiff", check_audio_x_aiff, {{0, "FORM\x01"}, {8, "8SVX"}}, true, "8SVX"},
        {"audio/x-aiff", check_audio_x_aiff, {{0, "FORM\x01"}, {8, "ILBM"}}, false, "ILBM"},
        {"audio/x-aiff", check_audio_x_aiff, {{0, "FORM"}}, true, "00 at 4 and no form type"},
        {"audio/x-aiff", check_audio_x_aiff, {{0, "FORm"}, {8, "AIFF"}}, false, "wrong case"},
        {"audio/x-caf", check_audio_x_caf, {{0, "caff" + H("00 00")}}, true, "00 00"},
        {"audio/x-caf", check_audio_x_caf, {{0, "caff" + H("00 01")}}, true, "00 01"},
        {"audio/x-caf", check_audio_x_caf, {{0, "caff" + H("00 02")}}, true, "00 02"},
        {"audio/x-caf", check_audio_x_caf, {{0, "caff" + H("40 00")}}, true, "40 00"},
        {"audio/x-caf", check_audio_x_caf, {{0, "caff" + H("80 00")}}, true, "80 00"},
        {"audio/x-caf", check_audio_x_caf, {{0, "caff" + H("00 03")}}, false, "00 03"},
        {"audio/x-caf", check_audio_x_caf, {{0, "caff" + H("40 01")}}, false, "40 01"},
        {"audio/x-caf", check_audio_x_caf, {{0, "CAFF"}}, false, "upper case"},
    });
}

TEST(AudioChecks, Mp4Brands) {
    std::vector<TypeRow> cases;
    for (const char* brand : {"M4A ", "M4B ", "M4P ", "F4A ", "F4B ", "NDAS", "MSNV"})
        cases.push_back({"audio/mp4", check_audio_mp4, {{4, "ftyp"s + brand}}, true, brand});
    cases.insert(cases.end(), {
        {"audio/mp4", check_audio_mp4, {{4, "ftypM4A"}}, false, "brand without its blank"},
        {"audio/mp4", check_audio_mp4, {{4, "ftypm4a "}}, false, "wrong case"},
        {"audio/mp4", check_audio_mp4, {{5, "ftypM4A "}}, false, "one byte late"},
    });
    run_cases(cases);
}

TEST(AudioChecks, Mpeg) {
    std::vector<TypeRow> cases;
    for (const char* second : {"E3", "F2", "F3", "F4", "F5", "F6", "F7", "FA", "FB", "FC", "FD", "FF"})
        cases.push_back({"audio/mpeg", check_audio_mpeg,
                         {{0, H("FF") + H(second) + H("90 44")}}, true, "frame sync"});
    cases.insert(cases.end(), {
        {"audio/mpeg", check_audio_mpeg, {{0, H("FF F8 90 44")}}, false, "FF F8"},
        {"audio/mpeg", check_audio_mpeg, {{0, H("FF F9 90 44")}}, false, "FF F9"},
        {"audio/mpeg", check_audio_mpeg, {{0, H("FF FE 90 44")}}, false, "FF FE"},
        {"audio/mpeg", check_audio_mpeg, {{0, H("FF F1 50 80")}}, false, "FF F1"},
        {"audio/mpeg", check_audio_mpeg, {{0, H("FE FB 90 44")}}, false, "FE at 0"},
        {"audio/mpeg", check_audio_mpeg, {{0, "ID3\x04"}}, true, "ID3 tag at 0"},
        {"audio/mpeg", check_audio_mpeg, {{0, "id3\x04"}}, false, "lower-case id3 at 0"},
        // The pattern: CR LF or 00 directly before an encoded frame start or 'ID3'.
        {"audio/mpeg", check_audio_mpeg, {{0, "xx\r\n" + H("C3 BF C3 BB") + "yy"}}, true,
         "CR LF then C3 BF C3 BB"},
        {"audio/mpeg", check_audio_mpeg, {{0, "xx\r\n" + H("FF FB 90 44") + "yy"}}, false,
         "CR LF then raw FF FB"},
        {"audio/mpeg", check_audio_mpeg, {{0, "xxxx"}, {5000, "ID3yy"}}, true,
         "00 then ID3 at 5000"},
        {"audio/mpeg", check_audio_mpeg, {{0, "xxxx"}, {5000, "\nID3yy"}}, false,
         "LF alone before ID3"},
        {"audio/mpeg", check_audio_mpeg, {{0, "xxxx"}, {5000, "\rID3yy"}}, false,
         "CR alone before ID3"},
        {"audio/mpeg", check_audio_mpeg, {{0, "xID3"}, {4, std::string(200, 'z')}}, false,
         "ID3 at 1 after a letter"},
        {"audio/mpeg", check_audio_mpeg, {{1, "ID3zz"}}, true, "ID3 at 1 after 00"},
        {"audio/mpeg", check_audio_mpeg, {{0, std::string(300, 'a')}}, false, "plain letters"},
        {"audio/mpeg", check_audio_mpeg, {{0, "a"}, {131068, "ID3"}}, true,
         "ID3 at the very end of the buffer"},
    });
    run_cases(cases);
}

TEST(AudioChecks, Aac) {
    const std::string encoded = H("C3 BF C3 B1 50 C2 80 00");
    run_cases({
        {"audio/x-aac", check_audio_x_aac, {{0, H("FF F9 50 80")}}, true, "FF F9 at 0"},
        {"audio/x-aac", check_audio_x_aac, {{0, H("FF F1 50 80")}}, true, "FF F1 at 0"},
        {"audio/x-aac", check_audio_x_aac, {{0, H("FF F0 50 80")}}, false, "FF F0 at 0"},
        {"audio/x-aac", check_audio_x_aac, {{1, H("FF F1 50 80")}}, false, "FF F1 at 1"},
        {"audio/x-aac", check_audio_x_aac, {{0, "xx"}, {100, encoded + "zz"}}, true,
         "encoded header anywhere"},
        {"audio/x-aac", check_audio_x_aac, {{0, "xx"}, {100, H("FF F1 50 80 00 1F FC")}}, false,
         "raw stream header past 0"},
        {"audio/x-aac", check_audio_x_aac, {{0, "xx"}, {100, H("C3 BF C3 B1 C2 80 02")}}, false,
         "encoded header with 02 as its last byte"},
        {"audio/x-aac", check_audio_x_aac, {{0, "xx"}, {100, H("C3 BF C3 B1 C2 80 C2 A0")}}, true,
         "encoded header with U+00A0 as its last character"},
        {"audio/x-aac", check_audio_x_aac, {{0, "xx"}, {131064, encoded}}, true,
         "encoded header ending in the last byte"},
        {"audio/x-aac", check_audio_x_aac, {{0, "ID3\x04"}, {300, encoded + "zz"}}, true,
         "ID3 and encoded header inside 256..2048"},
        {"audio/x-aac", check_audio_x_aac, {{0, "ID3\x04"}, {3000, encoded + "zz"}}, true,
         "ID3 and encoded header past 2048"},
        {"audio/x-aac", check_audio_x_aac, {{0, "ID3\x04"}}, false, "ID3 alone"},
    });
}

TEST(AudioChecks, Ogg) {
    run_cases({
        {"audio/opus", check_audio_opus, {{0, kOgg}, {28, "OpusHead"}}, true, "OpusHead at 28"},
        {"audio/opus", check_audio_opus, {{0, kOgg + "\x01"}, {28, "OpusHead"}}, false,
         "01 at 4"},
        {"audio/opus", check_audio_opus, {{0, kOgg}, {29, "OpusHead"}}, false, "OpusHead at 29"},
        {"audio/speex", check_audio_speex, {{0, kOgg}, {28, "Speex   "}}, true, "Speex and blanks"},
        {"audio/speex", check_audio_speex, {{0, kOgg}, {28, "Speex  "}}, false, "two blanks"},
        {"audio/speex", check_audio_speex, {{0, kOgg + "\x02"}, {28, "Speex   "}}, false,
         "02 at 4"},
        {"audio/vorbis", check_audio_vorbis, {{0, kOgg}, {28, "\x01vorbis"}}, true, "01 vorbis"},
        {"audio/vorbis", check_audio_vorbis, {{0, kOgg}, {28, "\x03vorbis"}}, false, "03 vorbis"},
        {"audio/vorbis", check_audio_vorbis, {{0, kOgg + "\x02"}, {28, "\x01vorbis"}}, false,
         "02 at 4"},
        {"audio/x-oggflac", check_audio_x_oggflac, {{0, kOgg}, {28, "FLAC"}}, true, "FLAC at 28"},
        {"audio/x-oggflac", check_audio_x_oggflac, {{0, kOgg + "\x02"}, {28, "\x7F" "FLAC"}},
         false, "7F then FLAC at 29"},
        {"audio/x-oggflac", check_audio_x_oggflac, {{0, kOgg + "\x02"}, {29, "LAC"}}, true,
         "byte 4 is not tested"},
        {"audio/x-oggflac", check_audio_x_oggflac, {{0, "OggT"}, {28, "FLAC"}}, false, "OggT"},
        {"audio/x-oggpcm", check_audio_x_oggpcm, {{0, kOgg}, {28, "PCM     "}}, true,
         "PCM and five blanks"},
        {"audio/x-oggpcm", check_audio_x_oggpcm, {{0, kOgg}, {28, "PCM    "}}, false,
         "four blanks"},
        {"audio/x-oggpcm", check_audio_x_oggpcm, {{0, kOgg}, {28, "PCMx    "}}, false,
         "letter at 31"},
    });
}

TEST(AudioChecks, Webm) {
    run_cases({
        {"audio/webm", check_audio_webm, {{0, kEbml}, {20, H("42 82")}, {30, "webm"}, {100, "A_VORBIS"}},
         true, "Vorbis track"},
        {"audio/webm", check_audio_webm, {{0, kEbml}, {20, H("42 82")}, {30, "webm"}, {100, "A_OPUS"}},
         true, "Opus track"},
        {"audio/webm", check_audio_webm, {{0, kEbml}, {20, H("42 82")}, {30, "webm"}, {100, "V_VP9"}},
         false, "no audio codec"},
        {"audio/webm", check_audio_webm, {{0, kEbml}, {20, H("42 82")}, {100, "A_OPUS"}}, false,
         "no doc type"},
        {"audio/webm", check_audio_webm, {{0, kEbml}, {30, "webm"}, {100, "A_OPUS"}}, false,
         "no 42 82"},
        {"audio/webm", check_audio_webm, {{0, kEbml}, {20, H("42 82")}, {30, "webm"}, {4091, "A_OPUS"}},
         true, "codec ends at 4096"},
        {"audio/webm", check_audio_webm, {{0, kEbml}, {20, H("42 82")}, {30, "webm"}, {4092, "A_OPUS"}},
         false, "codec ends at 4097"},
        {"audio/webm", check_audio_webm, {{0, kEbml}, {4095, H("42 82")}, {30, "webm"}, {100, "A_OPUS"}},
         true, "42 82 at 4095"},
        {"audio/webm", check_audio_webm, {{0, kEbml}, {4096, H("42 82")}, {30, "webm"}, {100, "A_OPUS"}},
         false, "42 82 at 4096"},
        {"audio/webm", check_audio_webm, {{0, H("1A 45 DF A4")}, {20, H("42 82")}, {30, "webm"},
         {100, "A_OPUS"}}, false, "other magic"},
    });
}

TEST(AudioChecks, TrackerModules) {
    std::vector<TypeRow> cases = {
        {"audio/x-mod", check_audio_x_mod, {{0, "Extended Module: song"}}, true, "XM"},
        {"audio/x-mod", check_audio_x_mod, {{0, "Extended module: song"}}, false, "XM wrong case"},
        {"audio/x-mod", check_audio_x_mod, {{21, "BMOD2STM"}}, true, "STM at 21"},
        {"audio/x-mod", check_audio_x_mod, {{22, "BMOD2STM"}}, false, "STM at 22"},
        {"audio/x-mod", check_audio_x_mod, {{0, "IMPM"}}, true, "IT at 0"},
        {"audio/x-mod", check_audio_x_mod, {{1, "IMPM"}}, false, "IT at 1"},
        {"audio/x-mod", check_audio_x_mod, {{1081, "M.K."}}, false, "M.K. at 1081"},
        {"audio/x-mod", check_audio_x_mod, {{1079, "M.K."}}, false, "M.K. at 1079"},
        {"audio/x-mod", check_audio_x_mod, {{1080, "5CHN"}}, false, "5CHN"},
    };
    for (const char* tag :
         {"M.K.", "M!K!", "FLT4", "FLT8", "4CHN", "6CHN", "8CHN", "CD81", "OKTA", "16CN", "32CN"})
        cases.push_back({"audio/x-mod", check_audio_x_mod, {{1080, tag}}, true, tag});
    run_cases(cases);
}

TEST(AudioChecks, Psf) {
    std::vector<TypeRow> cases;
    for (const char* v : {"01", "02", "11", "12", "13", "21", "22", "23", "41"})
        cases.push_back({"audio/x-psf", check_audio_x_psf, {{0, "PSF" + H(v)}}, true, v});
    for (const char* v : {"00", "03", "14", "42"})
        cases.push_back({"audio/x-psf", check_audio_x_psf, {{0, "PSF" + H(v)}}, false, v});
    cases.push_back({"audio/x-psf", check_audio_x_psf, {{0, "psf" + H("01")}}, false, "lower case"});
    run_cases(cases);
}

TEST(AudioChecks, WindowsMediaText) {
    run_cases({
        {"audio/x-ms-wma", check_audio_x_ms_wma, {{0, "Windows Media Audio"}}, true, "at 0"},
        {"audio/x-ms-wma", check_audio_x_ms_wma, {{8174, "Windows Media Audio"}}, true,
         "ends at 8192"},
        {"audio/x-ms-wma", check_audio_x_ms_wma, {{8175, "Windows Media Audio"}}, false,
         "ends at 8193"},
        {"audio/x-ms-wma", check_audio_x_ms_wma, {{0, "windows media audio"}}, false,
         "wrong case"},
    });
}

TEST(VideoChecks, IsoBaseMediaBrands) {
    std::vector<TypeRow> cases;
    for (const char* brand : {"3ge6", "3ge7", "3gg6", "3gp1", "3gp2", "3gp3", "3gp4", "3gp5",
                              "3gp6", "3gp7", "3gs7"})
        cases.push_back({"video/3gpp", check_video_3gpp, {{4, "ftyp"s + brand}}, true, brand});
    cases.push_back({"video/3gpp", check_video_3gpp, {{4, "ftyp3gp8"}}, false, "3gp8"});
    cases.push_back({"video/3gpp", check_video_3gpp, {{4, "ftyp3g2a"}}, false, "3g2a"});
    for (const char* brand : {"3g24", "3g25", "3g26", "3g2a", "3g2b", "3g2c", "KDDI"})
        cases.push_back({"video/3gpp2", check_video_3gpp2, {{4, "ftyp"s + brand}}, true, brand});
    cases.push_back({"video/3gpp2", check_video_3gpp2, {{4, "ftyp3g2d"}}, false, "3g2d"});
    cases.push_back({"video/3gpp2", check_video_3gpp2, {{4, "ftypkddi"}}, false, "kddi"});
    for (const char* brand : {"mp41", "mp42", "avc1", "iso2", "isom", "mmp4", "F4V ", "F4P ",
                              "M4B ", "MSV ", "0000"})
        cases.push_back({"video/mp4", check_video_mp4, {{4, "ftyp"s + brand}}, true, brand});
    cases.push_back({"video/mp4", check_video_mp4, {{4, "ftypmp43"}}, false, "mp43"});
    cases.push_back({"video/mp4", check_video_mp4, {{4, "ftypM4A "}}, false, "M4A"});
    cases.push_back({"video/mp4", check_video_mp4, {{5, "ftypisom"}}, false, "one byte late"});
    for (const char* brand : {"M4V ", "M4VH", "M4VP"})
        cases.push_back({"video/x-m4v", check_video_x_m4v, {{4, "ftyp"s + brand}}, true, brand});
    cases.push_back({"video/x-m4v", check_video_x_m4v, {{4, "ftypM4VX"}}, false, "M4VX"});
    for (const char* brand : {"dby1", "dsms", "dts1", "dts2", "dts3", "dxo ", "dmb1", "dmpf",
                              "drc1", "dv1a", "dv1b", "dv2a", "dv2b", "dv3a", "dv3b", "dvr1",
                              "dvt1", "emsg"})
        cases.push_back(
            {"video/vnd.dvb.file", check_video_vnd_dvb_file, {{4, "ftyp"s + brand}}, true, brand});
    cases.push_back({"video/vnd.dvb.file", check_video_vnd_dvb_file, {{4, "ftypdv4a"}}, false, "dv4a"});
    cases.push_back({"video/vnd.dvb.file", check_video_vnd_dvb_file, {{4, "ftyxdby1"}}, false, "ftyx"});
    run_cases(cases);
}

TEST(VideoChecks, QuickTime) {
    std::vector<TypeRow> cases;
    for (const char* atom : {"moov", "mdat", "free", "skip", "pnot"}) {
        cases.push_back({"video/quicktime", check_video_quicktime, {{4, atom}}, true, atom});
        cases.push_back({"video/quicktime", check_video_quicktime, {{4, atom + "x"s}}, false, atom});
    }
    cases.insert(cases.end(), {
        {"video/quicktime", check_video_quicktime, {{4, "ftypqt  "}}, true, "ftyp, any brand"},
        {"video/quicktime", check_video_quicktime, {{4, "ftypM4B "}}, true, "ftyp M4B"},
        {"video/quicktime", check_video_quicktime, {{0, H("00 00 00 08") + "wide" + "x"}}, true,
         "wide atom of size 8"},
        {"video/quicktime", check_video_quicktime, {{0, H("00 00 00 09") + "wide" + "x"}}, false,
         "wide atom of size 9"},
        {"video/quicktime", check_video_quicktime, {{4, "MOOV"}}, false, "upper-case atom"},
        {"video/quicktime", check_video_quicktime, {{5, "moov"}}, false, "one byte late"},
    });
    run_cases(cases);
}

TEST(VideoChecks, Ogg) {
    run_cases({
        {"video/ogg", check_video_ogg, {{0, kOgg}, {28, "fishead"}}, true, "skeleton"},
        {"video/ogg", check_video_ogg, {{0, kOgg}, {28, "theora"}}, true, "theora at 28"},
        {"video/ogg", check_video_ogg, {{0, kOgg}, {28, "\x01video"}}, true, "01 video"},
        {"video/ogg", check_video_ogg, {{0, kOgg}, {28, "\x02video"}}, false, "02 video"},
        {"video/ogg", check_video_ogg, {{0, kOgg}, {28, "\x80theora"}}, false, "80 theora"},
        {"video/ogg", check_video_ogg, {{0, kOgg + "\x02"}, {28, "fishead"}}, false, "02 at 4"},
        {"video/theora", check_video_theora, {{0, kOgg}, {28, "\x80theora"}}, true,
         "80 theora"},
        {"video/theora", check_video_theora, {{0, kOgg}, {28, "theora"}}, false, "theora at 28"},
        {"video/daala", check_video_daala, {{0, kOgg}, {28, "\x80" "daala"}}, true, "daala at 29"},
        {"video/daala", check_video_daala, {{0, kOgg}, {28, "daala"}}, false, "daala at 28"},
        {"video/x-dirac", check_video_x_dirac, {{0, kOgg}, {29, "BCD"}}, true, "BCD at 29"},
        {"video/x-dirac", check_video_x_dirac, {{0, kOgg}, {28, "BCD"}}, false, "BCD at 28"},
        {"video/x-oggrgb", check_video_x_oggrgb, {{0, kOgg}, {29, "RGB"}}, true, "RGB at 29"},
        {"video/x-oggrgb", check_video_x_oggrgb, {{0, kOgg}, {28, "RGB"}}, false, "RGB at 28"},
        {"video/x-ogguvs", check_video_x_ogguvs, {{0, kOgg}, {29, "VS "}}, true, "VS at 29"},
        {"video/x-ogguvs", check_video_x_ogguvs, {{0, kOgg}, {29, "VS"}}, false, "00 for blank"},
        {"video/x-oggyuv", check_video_x_oggyuv, {{0, kOgg}, {29, "YUV"}}, true, "YUV at 29"},
        {"video/x-oggyuv", check_video_x_oggyuv, {{0, kOgg}, {30, "YUV"}}, false, "YUV at 30"},
        {"video/x-ogm", check_video_x_ogm, {{0, kOgg}, {28, "video"}}, true, "ideo at 29"},
        {"video/x-ogm", check_video_x_ogm, {{0, "oggS"}, {28, "video"}}, false, "oggS"},
    });
}

TEST(VideoChecks, Matroska) {
    run_cases({
        {"video/webm", check_video_webm, {{0, kEbml}, {20, H("42 82")}, {30, "webm"}}, true,
         "EBML with doc type"},
        {"video/webm", check_video_webm, {{0, kEbml}, {20, H("42 82")}}, false, "no webm"},
        {"video/webm", check_video_webm, {{0, kEbml}, {4095, H("42 82")}, {30, "webm"}}, true,
         "42 82 at 4095"},
        {"video/webm", check_video_webm, {{0, kEbml}, {4096, H("42 82")}, {30, "webm"}}, false,
         "42 82 at 4096"},
        {"video/webm", check_video_webm, {{0, kEbml}, {20, H("42 82")}, {4093, "webm"}}, true,
         "webm ends at 4096"},
        {"video/webm", check_video_webm, {{0, kEbml}, {20, H("42 82")}, {4094, "webm"}}, false,
         "webm ends at 4097"},
        {"video/x-matroska", check_video_x_matroska, {{0, H("1A 45 DF A3 93 42 82 88") + "matroska"}},
         true, "matroska doc type"},
        {"video/x-matroska", check_video_x_matroska, {{0, H("1A 45 DF A3 93 42 82 88") + "webmwebm"}},
         false, "other doc type"},
        {"video/x-matroska", check_video_x_matroska, {{0, H("1A 45 DF A3 94 42 82 88") + "matroska"}},
         false, "other header size"},
    });
}

TEST(VideoChecks, FixedHeaders) {
    std::vector<TypeRow> cases = {
        {"video/mj2", check_video_mj2, {{0, kMj2}, {20, "mjp2"}}, true, "mjp2 brand"},
        {"video/mj2", check_video_mj2, {{0, kMj2}, {20, "jp2 "}}, false, "jp2 brand"},
        {"video/mj2", check_video_mj2, {{0, kMj2.substr(0, 11) + "\x0D"}, {20, "mjp2"}}, false,
         "signature differs"},
        {"video/mpeg", check_video_mpeg, {{0, H("00 00 01 B3")}}, true, "sequence header"},
        {"video/mpeg", check_video_mpeg, {{0, H("00 00 01 BA")}}, true, "pack header"},
        {"video/mpeg", check_video_mpeg, {{0, H("00 00 01 B4")}}, false, "B4"},
        {"video/mpeg", check_video_mpeg, {{1, H("00 00 01 BA")}}, false, "one byte late"},
        {"video/x-flv", check_video_x_flv, {{0, "FLV\x01"}}, true, "FLV"},
        {"video/x-flv", check_video_x_flv, {{0, "FLv\x01"}}, false, "wrong case"},
        {"video/x-jng", check_video_x_jng, {{0, H("8B 4A 4E 47")}}, true, "JNG"},
        {"video/x-jng", check_video_x_jng, {{0, H("8A 4A 4E 47")}}, false, "8A"},
        {"video/x-mng", check_video_x_mng, {{0, H("8A 4D 4E 47")}}, true, "MNG"},
        {"video/x-mng", check_video_x_mng, {{0, H("89 4D 4E 47")}}, false, "89"},
        {"video/x-ms-asf", check_video_x_ms_asf, {{0, kAsf}}, true, "ASF header GUID"},
        {"video/x-ms-asf", check_video_x_ms_asf, {{0, kAsf.substr(0, 15) + "\x6D"}}, false,
         "last GUID byte differs"},
        {"video/x-msvideo", check_video_x_msvideo, {{0, "RIFF"}, {8, "AVI "}}, true, "RIFF AVI"},
        {"video/x-msvideo", check_video_x_msvideo, {{0, "XXXX"}, {8, "AVI "}}, true,
         "bytes 0 to 3 not tested"},
        {"video/x-msvideo", check_video_x_msvideo, {{0, "RIFF"}, {8, "AVIX"}}, false, "AVIX"},
        {"video/x-msvideo", check_video_x_msvideo, {{0, "RIFF"}, {9, "AVI "}}, false, "at 9"},
    };
    for (const char* v : {"00", "01", "02", "FE", "FF"})
        cases.push_back({"video/x-sgi-movie", check_video_x_sgi_movie, {{0, "MOVI" + H(v)}}, true, v});
    cases.push_back({"video/x-sgi-movie", check_video_x_sgi_movie, {{0, "MOVI" + H("03")}}, false, "03"});
    cases.push_back({"video/x-sgi-movie", check_video_x_sgi_movie, {{0, "MOVi" + H("00")}}, false, "case"});
    run_cases(cases);
}

TEST(VideoChecks, WindowsMediaText) {
    run_cases({
        {"video/x-ms-wmv", check_video_x_ms_wmv, {{8174, "Windows Media Video"}}, true,
         "ends at 8192"},
        {"video/x-ms-wmv", check_video_x_ms_wmv, {{8175, "Windows Media Video"}}, false,
         "ends at 8193"},
        {"video/x-ms-wmv", check_video_x_ms_wmv, {{8172, "VC-1 Advanced Profile"}}, true,
         "ends at 8192"},
        {"video/x-ms-wmv", check_video_x_ms_wmv, {{8173, "VC-1 Advanced Profile"}}, false,
         "ends at 8193"},
        {"video/x-ms-wmv", check_video_x_ms_wmv, {{8189, "wmv2"}}, true, "ends at 8192"},
        {"video/x-ms-wmv", check_video_x_ms_wmv, {{8190, "wmv2"}}, false, "ends at 8193"},
        {"video/x-ms-wmv", check_video_x_ms_wmv, {{0, "WMV2"}}, false, "wrong case"},
        {"video/x-ms-wmv", check_video_x_ms_wmv, {{0, "Windows Media Audio"}}, false, "audio"},
    });
}

// The "audio/mpeg" check skips its pattern when the buffer cannot hold a
// match; on buffers full of the pattern's own pieces its answer must still be
// the pattern's answer as written. Byte 0 is a letter, so only the pattern
// can make the check hold.
TEST(AudioChecks, MpegPatternShortcutKeepsTheAnswer) {
    const std::vector<std::string> pieces = {
        H("00"), H("00 00"), "\r\n", "\r", "\n", "ID3", "ID", H("C3 BF"), H("C3 BB"),
        H("C3 A3"), H("C3 B1"), H("C3"), H("BF"), H("FF FB"), "x", "3"};
    std::mt19937 rng(20240607);
    int matched = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string head = "x";
        while (head.size() < 48) head += pieces[rng() % pieces.size()];
        std::vector<uint8_t> buf = buffer_with({{0, head}});
        // Any match ends at a non-zero byte inside the head, so a span a little
        // longer than the head answers for the whole buffer.
        const bool expected = pattern_matches_as_written(Pat::AudioMpeg1, buf.data(), head.size() + 8);
        matched += expected;
        // The whole buffer as a detection sees it (zero tail known), and the
        // same head alone (plain evaluation, kept short so the test stays fast).
        const DetectionProbe detection(buf.data(), buf.size(), buf.size());
        ASSERT_EQ(check_audio_mpeg(detection.probe()), expected) << testing::PrintToString(head);
        ASSERT_EQ(check_audio_mpeg(Probe(buf.data(), head.size() + 8)), expected)
            << "head alone: " << testing::PrintToString(head);
    }
    EXPECT_GT(matched, 300);
    EXPECT_LT(matched, 2700);
}

// Whole-detector answers that the walk order settles among these types.
TEST(AudioVideoDetection, ChildAndWalkOrder) {
    struct Expect {
        Puts puts;
        size_t len;
        const char* mime;
    };
    const std::vector<Expect> expects = {
        {{{0, "#!AMR-WB\n" + H("04 10 20")}}, 12, "audio/amr-wb"},
        {{{0, "#!AMR-WB" + H("04 10 20")}}, 11, "audio/amr"},
        {{{0, "#!AMR\n" + H("3C 48 F5")}}, 9, "audio/amr"},
        {{{0, H("0B 77 12 34 00 57 40")}}, 7, "audio/ac3"},
        {{{0, H("0B 77 12 34 00 58 40")}}, 7, "audio/eac3"},
        {{{0, H("0B 77 12 34 00 87 40")}}, 7, "audio/eac3"},
        {{{0, H("0B 77 12 34 00 88 40")}}, 7, "audio/ac3"},
        {{{0, kEbml}, {4, H("9F 42 86 81 01 42 82 84") + "webm"}, {40, "A_VORBIS"}}, 60,
         "video/webm"},
        {{{0, H("1A 45 DF A3 93 42 82 88") + "matroska" + H("42 87 81 04")}}, 20,
         "video/x-matroska"},
        {{{0, kOgg + H("00 02")}, {28, "\x01vorbis"}}, 64, "audio/vorbis"},
        {{{0, kOgg + H("00 02")}, {28, "\x80theora"}}, 64, "video/theora"},
        {{{0, kOgg + H("00 02")}, {28, "theora"}}, 64, "video/ogg"},
        {{{0, kOgg + H("00 02")}, {28, "FLAC"}}, 64, "audio/x-oggflac"},
        {{{0, H("00 00 00 18") + "ftypM4B " + H("00 00 02 00")}}, 16, "audio/mp4"},
        {{{0, H("00 00 00 18") + "ftypisom" + H("00 00 02 00")}}, 16, "video/mp4"},
        {{{0, H("00 00 00 14") + "ftypqt  " + H("20 05 03 00")}}, 16, "video/quicktime"},
        {{{0, "RIFF" + H("24 08 00 00") + "WAVEfmt "}}, 16, "audio/vnd.wave"},
        {{{0, "fLaC" + H("00 00 00 22 10 00")}}, 10, "audio/x-flac"},
        {{{0, H("FF FB 90 44 00 0F")}}, 6, "audio/mpeg"},
        {{{0, H("FF F1 50 80 02 1F FC")}}, 7, "audio/x-aac"},
        // A Sun audio header with the usual data offset 24 has 00 00 00 at 4,
        // so "audio/basic" (walked first) takes it whatever its encoding is.
        {{{0, ".snd" + H("00 00 00 18 00 00 10 00 00 00 00 17 00 00 1F 40")}}, 20, "audio/basic"},
        {{{0, ".snd" + H("00 00 01 18 00 00 10 00 00 00 00 17 00 00 1F 40")}}, 20, "audio/x-adpcm"},
        {{{0, kAsf + H("68 05 00 00 00 00 00 00")}, {100, "Windows Media Audio"}}, 200,
         "audio/x-ms-wma"},
    };
    for (const Expect& e : expects) {
        EXPECT_EQ(detect(e.puts, e.len), e.mime) << e.mime;
    }
}

}  // namespace
