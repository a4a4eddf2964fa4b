// Content checks: audio and video types.
#include "../checks.h"

namespace mime_magic::checks {

// "audio/ac3"
bool check_audio_ac3(Buf) { return false; }

// "audio/amr"
bool check_audio_amr(Buf) { return false; }

// "audio/amr-wb"
bool check_audio_amr_wb(Buf) { return false; }

// "audio/ape"
bool check_audio_ape(Buf) { return false; }

// "audio/basic"
bool check_audio_basic(Buf) { return false; }

// "audio/eac3"
bool check_audio_eac3(Buf) { return false; }

// "audio/midi"
bool check_audio_midi(Buf) { return false; }

// "audio/mp4"
bool check_audio_mp4(Buf) { return false; }

// "audio/mpeg"
bool check_audio_mpeg(Buf) { return false; }

// "audio/musepack"
bool check_audio_musepack(Buf) { return false; }

// "audio/opus"
bool check_audio_opus(Buf) { return false; }

// "audio/prs.sid"
bool check_audio_prs_sid(Buf) { return false; }

// "audio/qcelp"
bool check_audio_qcelp(Buf) { return false; }

// "audio/speex"
bool check_audio_speex(Buf) { return false; }

// "audio/vnd.wave"
bool check_audio_vnd_wave(Buf) { return false; }

// "audio/vorbis"
bool check_audio_vorbis(Buf) { return false; }

// "audio/webm"
bool check_audio_webm(Buf) { return false; }

// "audio/x-aac"
bool check_audio_x_aac(Buf) { return false; }

// "audio/x-adpcm"
bool check_audio_x_adpcm(Buf) { return false; }

// "audio/x-aiff"
bool check_audio_x_aiff(Buf) { return false; }

// "audio/x-caf"
bool check_audio_x_caf(Buf) { return false; }

// "audio/x-dec-adpcm"
bool check_audio_x_dec_adpcm(Buf) { return false; }

// "audio/x-dec-basic"
bool check_audio_x_dec_basic(Buf) { return false; }

// "audio/x-flac"
bool check_audio_x_flac(Buf) { return false; }

// "audio/x-mod"
bool check_audio_x_mod(Buf) { return false; }

// "audio/x-mpegurl"
bool check_audio_x_mpegurl(Buf) { return false; }

// "audio/x-ms-wma"
bool check_audio_x_ms_wma(Buf) { return false; }

// "audio/x-oggflac"
bool check_audio_x_oggflac(Buf) { return false; }

// "audio/x-oggpcm"
bool check_audio_x_oggpcm(Buf) { return false; }

// "audio/x-pn-realaudio"
bool check_audio_x_pn_realaudio(Buf) { return false; }

// "audio/x-psf"
bool check_audio_x_psf(Buf) { return false; }

// "audio/x-sap"
bool check_audio_x_sap(Buf) { return false; }

// "audio/x-unknown"
bool check_audio_x_unknown(Buf) { return false; }

// "video/3gpp"
bool check_video_3gpp(Buf) { return false; }

// "video/3gpp2"
bool check_video_3gpp2(Buf) { return false; }

// "video/daala"
bool check_video_daala(Buf) { return false; }

// "video/mj2"
bool check_video_mj2(Buf) { return false; }

// "video/mp4"
bool check_video_mp4(Buf) { return false; }

// "video/mpeg"
bool check_video_mpeg(Buf) { return false; }

// "video/ogg"
bool check_video_ogg(Buf) { return false; }

// "video/quicktime"
bool check_video_quicktime(Buf) { return false; }

// "video/theora"
bool check_video_theora(Buf) { return false; }

// "video/vnd.dvb.file"
bool check_video_vnd_dvb_file(Buf) { return false; }

// "video/webm"
bool check_video_webm(Buf) { return false; }

// "video/x-dirac"
bool check_video_x_dirac(Buf) { return false; }

// "video/x-flv"
bool check_video_x_flv(Buf) { return false; }

// "video/x-jng"
bool check_video_x_jng(Buf) { return false; }

// "video/x-m4v"
bool check_video_x_m4v(Buf) { return false; }

// "video/x-matroska"
bool check_video_x_matroska(Buf) { return false; }

// "video/x-mng"
bool check_video_x_mng(Buf) { return false; }

// "video/x-ms-asf"
bool check_video_x_ms_asf(Buf) { return false; }

// "video/x-ms-wmv"
bool check_video_x_ms_wmv(Buf) { return false; }

// "video/x-msvideo"
bool check_video_x_msvideo(Buf) { return false; }

// "video/x-oggrgb"
bool check_video_x_oggrgb(Buf) { return false; }

// "video/x-ogguvs"
bool check_video_x_ogguvs(Buf) { return false; }

// "video/x-oggyuv"
bool check_video_x_oggyuv(Buf) { return false; }

// "video/x-ogm"
bool check_video_x_ogm(Buf) { return false; }

// "video/x-sgi-movie"
bool check_video_x_sgi_movie(Buf) { return false; }

}  // namespace mime_magic::checks
