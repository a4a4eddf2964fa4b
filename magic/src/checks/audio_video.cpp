// Content checks: audio and video types.
#include "checks/checks.h"

namespace mime_magic::checks {

// "audio/ac3"
bool check_audio_ac3(const Probe& b) { return at(b, 0, "0B 77"_hex); }

// "audio/amr"
bool check_audio_amr(const Probe& b) { return at(b, 0, "#!AMR"); }

// "audio/amr-wb"
bool check_audio_amr_wb(const Probe& b) { return at(b, 0, "#!AMR-WB") && at(b, 8, "0A"_hex); }

// "audio/ape"
bool check_audio_ape(const Probe& b) {
    return at(b, 0, "MAC ") && at(b, 4, "96 0F 00 00 34 00 00 00 18 00 00 00 90 E3"_hex);
}

// "audio/basic"
bool check_audio_basic(const Probe& b) {
    return at(b, 0, ".snd") && (at(b, 12, "00 00 00 01"_hex) || at(b, 12, "00 00 00 02"_hex) ||
                                at(b, 12, "00 00 00 03"_hex) || at(b, 12, "00 00 00 04"_hex) ||
                                at(b, 12, "00 00 00 05"_hex) || at(b, 12, "00 00 00 06"_hex) ||
                                at(b, 12, "00 00 00 07"_hex) || at(b, 4, "00 00 00"_hex));
}

// "audio/eac3"
bool check_audio_eac3(const Probe& b) {
    return at(b, 0, "0B 77"_hex) && (byte_mask(b, 5, 0xF8, 0x58) || byte_mask(b, 5, 0xF8, 0x60) ||
                                     byte_mask(b, 5, 0xF8, 0x68) || byte_mask(b, 5, 0xF8, 0x70) ||
                                     byte_mask(b, 5, 0xF8, 0x78) || byte_mask(b, 5, 0xF8, 0x80));
}

// "audio/midi"
bool check_audio_midi(const Probe& b) { return at(b, 0, "MThd"); }

// "audio/mp4"
bool check_audio_mp4(const Probe& b) {
    return at(b, 4, "ftypM4A ") || at(b, 4, "ftypM4B ") || at(b, 4, "ftypM4P ") ||
           at(b, 4, "ftypF4A ") || at(b, 4, "ftypF4B ") || at(b, 4, "ftypNDAS") ||
           at(b, 4, "ftypMSNV");
}

// Whether the "audio/mpeg" pattern can match at all: every match holds 'ID3'
// or U+00FF followed by another character from U+00C0..U+00FF (the bytes
// C3 BF C3). The pattern starts at a 00 byte, so in a buffer with many zeros
// the engine tries a match at each of them; these two byte searches rule
// nearly every buffer out far sooner and never change the answer.
static bool mpeg_pattern_possible(const Probe& b) {
    return within(b, 0, b.n - 1, "ID3") || within(b, 0, b.n - 1, "C3 BF C3"_hex);
}

// "audio/mpeg"
// Nearly every file reaches this check; the fixed-offset terms come first as
// written, so the pattern only runs when they fail.
bool check_audio_mpeg(const Probe& b) {
    return (at(b, 0, "FF"_hex) &&
            (at(b, 1, "E3"_hex) || at(b, 1, "F2"_hex) || at(b, 1, "F3"_hex) || at(b, 1, "F4"_hex) ||
             at(b, 1, "F5"_hex) || at(b, 1, "F6"_hex) || at(b, 1, "F7"_hex) || at(b, 1, "FA"_hex) ||
             at(b, 1, "FB"_hex) || at(b, 1, "FC"_hex) || at(b, 1, "FD"_hex) ||
             at(b, 1, "FF"_hex))) ||
           at(b, 0, "ID3") || (mpeg_pattern_possible(b) && pattern(b, Pat::AudioMpeg1));
}

// "audio/musepack"
bool check_audio_musepack(const Probe& b) { return at(b, 0, "MPCK"); }

// "audio/opus"
bool check_audio_opus(const Probe& b) {
    return at(b, 0, "OggS") && at(b, 4, "00"_hex) && at(b, 28, "OpusHead");
}

// "audio/prs.sid"
bool check_audio_prs_sid(const Probe& b) { return at(b, 0, "PSID"); }

// "audio/qcelp"
bool check_audio_qcelp(const Probe& b) { return at(b, 0, "RIFF") && at(b, 8, "QLCM"); }

// "audio/speex"
bool check_audio_speex(const Probe& b) {
    return at(b, 0, "OggS") && at(b, 4, "00"_hex) && at(b, 28, "Speex") &&
           at(b, 33, "20 20 20"_hex);
}

// "audio/vnd.wave"
bool check_audio_vnd_wave(const Probe& b) { return at(b, 0, "RIFF") && at(b, 8, "WAVE"); }

// "audio/vorbis"
bool check_audio_vorbis(const Probe& b) {
    return at(b, 0, "OggS") && at(b, 4, "00"_hex) && at(b, 28, "01"_hex) && at(b, 29, "vorbis");
}

// "audio/webm"
bool check_audio_webm(const Probe& b) {
    return at(b, 0, "1A 45 DF A3"_hex) && within(b, 4, 4096, "42 82"_hex) &&
           within(b, 4, 4096, "webm") &&
           (within(b, 4, 4096, "A_VORBIS") || within(b, 4, 4096, "A_OPUS"));
}

// "audio/x-aac"
// Reached by nearly every file (at its own walk position and again under
// "audio/mpeg"); the two fixed-offset terms come first as written. The last
// term can only hold where the whole-buffer pattern already did, but it is
// kept as the check is written; it costs a short span and only after 'ID3'.
bool check_audio_x_aac(const Probe& b) {
    return at(b, 0, "FF F9"_hex) || at(b, 0, "FF F1"_hex) || pattern(b, Pat::AudioAac1) ||
           (at(b, 0, "ID3") && pattern_over(b, Pat::AudioAac1, 256, 2048));
}

// "audio/x-adpcm"
bool check_audio_x_adpcm(const Probe& b) {
    return at(b, 0, ".snd") && at(b, 12, "00 00 00 17"_hex);
}

// "audio/x-aiff"
bool check_audio_x_aiff(const Probe& b) {
    return at(b, 0, "FORM") &&
           (at(b, 8, "AIFF") || at(b, 8, "AIFC") || at(b, 8, "8SVX") || at(b, 4, "00"_hex));
}

// "audio/x-caf"
bool check_audio_x_caf(const Probe& b) {
    return at(b, 0, "caff") &&
           (at(b, 4, "00 00"_hex) || at(b, 4, "00 01"_hex) || at(b, 4, "00 02"_hex) ||
            at(b, 4, "40 00"_hex) || at(b, 4, "80 00"_hex));
}

// "audio/x-dec-adpcm"
bool check_audio_x_dec_adpcm(const Probe& b) {
    return at(b, 0, "00 64 73 2E"_hex) && at(b, 12, "00 00 00 17"_hex);
}

// "audio/x-dec-basic"
bool check_audio_x_dec_basic(const Probe& b) {
    return at(b, 0, "00 64 73 2E"_hex) &&
           (at(b, 12, "00 00 00 01"_hex) || at(b, 12, "00 00 00 02"_hex) ||
            at(b, 12, "00 00 00 03"_hex) || at(b, 12, "00 00 00 04"_hex) ||
            at(b, 12, "00 00 00 05"_hex) || at(b, 12, "00 00 00 06"_hex) ||
            at(b, 12, "00 00 00 07"_hex));
}

// "audio/x-flac"
bool check_audio_x_flac(const Probe& b) { return at(b, 0, "fLaC"); }

// "audio/x-mod"
bool check_audio_x_mod(const Probe& b) {
    return at(b, 0, "Extended Module:") || at(b, 21, "BMOD2STM") || at(b, 1080, "M.K.") ||
           at(b, 1080, "M!K!") || at(b, 1080, "FLT4") || at(b, 1080, "FLT8") ||
           at(b, 1080, "4CHN") || at(b, 1080, "6CHN") || at(b, 1080, "8CHN") ||
           at(b, 1080, "CD81") || at(b, 1080, "OKTA") || at(b, 1080, "16CN") ||
           at(b, 1080, "32CN") || at(b, 0, "IMPM");
}

// "audio/x-mpegurl"
bool check_audio_x_mpegurl(const Probe& b) { return at(b, 0, "#EXTM3U") && at(b, 7, "0D 0A"_hex); }

// "audio/x-ms-wma"
bool check_audio_x_ms_wma(const Probe& b) { return within(b, 0, 8192, "Windows Media Audio"); }

// "audio/x-oggflac"
bool check_audio_x_oggflac(const Probe& b) { return at(b, 0, "OggS") && at(b, 29, "LAC"); }

// "audio/x-oggpcm"
bool check_audio_x_oggpcm(const Probe& b) {
    return at(b, 0, "OggS") && at(b, 29, "CM") && at(b, 31, "20 20 20 20 20"_hex);
}

// "audio/x-pn-realaudio"
bool check_audio_x_pn_realaudio(const Probe& b) { return at(b, 0, "2E 72 61 FD"_hex); }

// "audio/x-psf"
bool check_audio_x_psf(const Probe& b) {
    return at(b, 0, "PSF") && (at(b, 3, "01"_hex) || at(b, 3, "02"_hex) || at(b, 3, "11"_hex) ||
                               at(b, 3, "12"_hex) || at(b, 3, "13"_hex) || at(b, 3, "21"_hex) ||
                               at(b, 3, "22"_hex) || at(b, 3, "23"_hex) || at(b, 3, "41"_hex));
}

// "audio/x-sap"
bool check_audio_x_sap(const Probe& b) { return at(b, 0, "SAP") && at(b, 3, "0D 0A"_hex); }

// "audio/x-unknown"
bool check_audio_x_unknown(const Probe& b) { return at(b, 0, "Creative Voice File"); }

// "video/3gpp"
bool check_video_3gpp(const Probe& b) {
    return at(b, 4, "ftyp3ge6") || at(b, 4, "ftyp3ge7") || at(b, 4, "ftyp3gg6") ||
           at(b, 4, "ftyp3gp1") || at(b, 4, "ftyp3gp2") || at(b, 4, "ftyp3gp3") ||
           at(b, 4, "ftyp3gp4") || at(b, 4, "ftyp3gp5") || at(b, 4, "ftyp3gp6") ||
           at(b, 4, "ftyp3gp7") || at(b, 4, "ftyp3gs7");
}

// "video/3gpp2"
bool check_video_3gpp2(const Probe& b) {
    return at(b, 4, "ftyp3g24") || at(b, 4, "ftyp3g25") || at(b, 4, "ftyp3g26") ||
           at(b, 4, "ftyp3g2a") || at(b, 4, "ftyp3g2b") || at(b, 4, "ftyp3g2c") ||
           at(b, 4, "ftypKDDI");
}

// "video/daala"
bool check_video_daala(const Probe& b) { return at(b, 0, "OggS") && at(b, 29, "daala"); }

// "video/mj2"
bool check_video_mj2(const Probe& b) {
    return at(b, 0, "00 00 00 0C 6A 50 20 20 0D 0A 87 0A"_hex) && at(b, 20, "mjp2");
}

// "video/mp4"
bool check_video_mp4(const Probe& b) {
    return at(b, 4, "ftypmp41") || at(b, 4, "ftypmp42") || at(b, 4, "ftypavc1") ||
           at(b, 4, "ftypiso2") || at(b, 4, "ftypisom") || at(b, 4, "ftypmmp4") ||
           at(b, 4, "ftypF4V ") || at(b, 4, "ftypF4P ") || at(b, 4, "ftypM4B ") ||
           at(b, 4, "ftypMSV ") || at(b, 4, "ftyp0000");
}

// "video/mpeg"
bool check_video_mpeg(const Probe& b) {
    return at(b, 0, "00 00 01 B3"_hex) || at(b, 0, "00 00 01 BA"_hex);
}

// "video/ogg"
bool check_video_ogg(const Probe& b) {
    return at(b, 0, "OggS") && at(b, 4, "00"_hex) &&
           (at(b, 28, "fishead") || at(b, 28, "theora") ||
            (at(b, 28, "01"_hex) && at(b, 29, "video")));
}

// "video/quicktime"
bool check_video_quicktime(const Probe& b) {
    return ((at(b, 4, "moov") || at(b, 4, "mdat") || at(b, 4, "free") || at(b, 4, "skip") ||
             at(b, 4, "pnot")) &&
            at(b, 8, "00"_hex)) ||
           at(b, 4, "ftyp") || (at(b, 0, "00 00 00 08"_hex) && at(b, 4, "wide"));
}

// "video/theora"
bool check_video_theora(const Probe& b) { return at(b, 0, "OggS") && at(b, 29, "theora"); }

// "video/vnd.dvb.file"
bool check_video_vnd_dvb_file(const Probe& b) {
    return at(b, 4, "ftyp") &&
           (at(b, 8, "dby1") || at(b, 8, "dsms") || at(b, 8, "dts1") || at(b, 8, "dts2") ||
            at(b, 8, "dts3") || at(b, 8, "dxo ") || at(b, 8, "dmb1") || at(b, 8, "dmpf") ||
            at(b, 8, "drc1") || at(b, 8, "dv1a") || at(b, 8, "dv1b") || at(b, 8, "dv2a") ||
            at(b, 8, "dv2b") || at(b, 8, "dv3a") || at(b, 8, "dv3b") || at(b, 8, "dvr1") ||
            at(b, 8, "dvt1") || at(b, 8, "emsg"));
}

// "video/webm"
bool check_video_webm(const Probe& b) {
    return at(b, 0, "1A 45 DF A3"_hex) && within(b, 4, 4096, "42 82"_hex) &&
           within(b, 4, 4096, "webm");
}

// "video/x-dirac"
bool check_video_x_dirac(const Probe& b) { return at(b, 0, "OggS") && at(b, 29, "BCD"); }

// "video/x-flv"
bool check_video_x_flv(const Probe& b) { return at(b, 0, "FLV"); }

// "video/x-jng"
bool check_video_x_jng(const Probe& b) { return at(b, 0, "8B 4A 4E 47"_hex); }

// "video/x-m4v"
bool check_video_x_m4v(const Probe& b) {
    return at(b, 4, "ftypM4V ") || at(b, 4, "ftypM4VH") || at(b, 4, "ftypM4VP");
}

// "video/x-matroska"
bool check_video_x_matroska(const Probe& b) {
    return at(b, 0, "1A 45 DF A3 93 42 82 88"_hex) && at(b, 8, "matroska");
}

// "video/x-mng"
bool check_video_x_mng(const Probe& b) { return at(b, 0, "8A 4D 4E 47"_hex); }

// "video/x-ms-asf"
bool check_video_x_ms_asf(const Probe& b) {
    return at(b, 0, "30 26 B2 75 8E 66 CF 11 A6 D9 00 AA 00 62 CE 6C"_hex);
}

// "video/x-ms-wmv"
bool check_video_x_ms_wmv(const Probe& b) {
    return within_any(b, 0, 8192, "Windows Media Video", "VC-1 Advanced Profile", "wmv2");
}

// "video/x-msvideo"
bool check_video_x_msvideo(const Probe& b) { return at(b, 8, "AVI "); }

// "video/x-oggrgb"
bool check_video_x_oggrgb(const Probe& b) { return at(b, 0, "OggS") && at(b, 29, "RGB"); }

// "video/x-ogguvs"
bool check_video_x_ogguvs(const Probe& b) { return at(b, 0, "OggS") && at(b, 29, "VS "); }

// "video/x-oggyuv"
bool check_video_x_oggyuv(const Probe& b) { return at(b, 0, "OggS") && at(b, 29, "YUV"); }

// "video/x-ogm"
bool check_video_x_ogm(const Probe& b) { return at(b, 0, "OggS") && at(b, 29, "ideo"); }

// "video/x-sgi-movie"
bool check_video_x_sgi_movie(const Probe& b) {
    return at(b, 0, "MOVI") && (at(b, 4, "00"_hex) || at(b, 4, "01"_hex) || at(b, 4, "02"_hex) ||
                                at(b, 4, "FE"_hex) || at(b, 4, "FF"_hex));
}

}  // namespace mime_magic::checks
