// Content checks: application types of the x-tree (x-).
#include "checks/checks.h"

namespace mime_magic::checks {

namespace {

// The SQLite header string with its terminating zero, which every SQLite-based
// type tests first.
inline bool sqlite_header(const Probe& b) {
    return at(b, 0, "SQLite format 3") && at(b, 15, "00"_hex);
}

// A thin Mach-O file (32- or 64-bit magic, either byte order) whose file-type
// word at 12, read in the byte order of the magic, is `t`.
bool macho_kind(const Probe& b, uint8_t t) {
    const uint8_t be[4] = {0, 0, 0, t};
    const uint8_t le[4] = {t, 0, 0, 0};
    if (at(b, 0, "FE ED FA CE"_hex) && at(b, 12, Needle(be, 4))) return true;
    if (at(b, 0, "CE FA ED FE"_hex) && at(b, 12, Needle(le, 4))) return true;
    if (at(b, 0, "FE ED FA CF"_hex) && at(b, 12, Needle(be, 4))) return true;
    if (at(b, 0, "CF FA ED FE"_hex) && at(b, 12, Needle(le, 4))) return true;
    return false;
}

// An ELF file whose 16-bit object-file type at 16 is `t`, in either byte order.
bool elf_kind(const Probe& b, uint8_t t) {
    const uint8_t le[2] = {t, 0};
    const uint8_t be[2] = {0, t};
    return at(b, 0, "7F 45 4C 46"_hex) && (at(b, 16, Needle(le, 2)) || at(b, 16, Needle(be, 2)));
}

// A PE signature at 128 or at 240 followed by the machine word `machine`
// (two bytes in file order).
bool pe_machine(const Probe& b, uint8_t m0, uint8_t m1) {
    const uint8_t sig[6] = {0x50, 0x45, 0x00, 0x00, m0, m1};
    return at(b, 128, Needle(sig, 6)) || at(b, 240, Needle(sig, 6));
}

}  // namespace

// The XML namespace name of FictionBook 2.0 documents.
constexpr char kFictionBookNs[] = "http://www.gribuser.ru/xml/fictionbook/2.0";

// "application/x-7z-compressed"
bool check_application_x_7z_compressed(const Probe& b) { return at(b, 0, "37 7A BC AF 27 1C"_hex); }

// "application/x-activemime"
bool check_application_x_activemime(const Probe& b) {
    return at(b, 0, "ActiveMime") && at(b, 10, "00 00"_hex);
}

// "application/x-adobe-indesign"
bool check_application_x_adobe_indesign(const Probe& b) {
    return at(b, 0, "06 06 ED F5 D8 1D 46 E5 BD 31 EF E7 FE 74 B7 1D"_hex);
}

// "application/x-adobe-indesign-interchange"
bool check_application_x_adobe_indesign_interchange(const Probe& b) {
    return within(b, 0, 100, "<?aid");
}

// "application/x-amf"
bool check_application_x_amf(const Probe& b) { return xml_root(b, "amf"); }

// "application/x-amiga-disk-format"
bool check_application_x_amiga_disk_format(const Probe& b) {
    return at(b, 0, "DOS") && byte_mask(b, 4, 0xF8, 0x00);
}

// "application/x-archive"
bool check_application_x_archive(const Probe& b) {
    return at(b, 0, "=<ar>") || at(b, 0, "!<arch>");
}

// "application/x-arj"
bool check_application_x_arj(const Probe& b) { return at(b, 0, "60 EA"_hex); }

// "application/x-asprs"
bool check_application_x_asprs(const Probe& b) {
    return at(b, 0, "LASF") && (at(b, 24, "01 01"_hex) || at(b, 24, "01 02"_hex));
}

// "application/x-atari-floppy-disk-image"
bool check_application_x_atari_floppy_disk_image(const Probe& b) {
    return at(b, 0, "96 02"_hex) && (at(b, 4, "80 00"_hex) || at(b, 4, "00 01"_hex)) &&
           at(b, 11, "00 00 00 00"_hex);
}

// "application/x-axcrypt"
bool check_application_x_axcrypt(const Probe& b) {
    return at(b, 0, "C0 B9 07 2E 4F 93 F1 46 A0 15 79 2C A1 D9 E8 21"_hex) &&
           at(b, 17, "00 00 00 02"_hex);
}

// "application/x-bat"
bool check_application_x_bat(const Probe& b) {
    return at_any_case(b, 0, "@echo off") || at_any_case(b, 0, "rem ");
}

// "application/x-bentley-besqlite"
bool check_application_x_bentley_besqlite(const Probe& b) {
    return sqlite_header(b) && at(b, 68, "BeDb");
}

// "application/x-bentley-localization"
bool check_application_x_bentley_localization(const Probe& b) {
    return sqlite_header(b) && at(b, 68, "BeLn");
}

// "application/x-berkeley-db;format=btree"
bool check_application_x_berkeley_db_format_btree(const Probe& b) {
    return at(b, 0, "62 31 05 00"_hex) || at(b, 0, "00 05 31 62"_hex) ||
           at(b, 12, "62 31 05 00"_hex) || at(b, 12, "00 05 31 62"_hex);
}

// "application/x-berkeley-db;format=btree;version=2"
bool check_application_x_berkeley_db_format_btree_version_2(const Probe& b) {
    return at(b, 12, "62 31 05 00 06 00 00 00"_hex) || at(b, 12, "00 05 31 62 00 00 00 06"_hex);
}

// "application/x-berkeley-db;format=btree;version=3"
bool check_application_x_berkeley_db_format_btree_version_3(const Probe& b) {
    return at(b, 12, "62 31 05 00 08 00 00 00"_hex) || at(b, 12, "00 05 31 62 00 00 00 08"_hex);
}

// "application/x-berkeley-db;format=btree;version=4"
bool check_application_x_berkeley_db_format_btree_version_4(const Probe& b) {
    return at(b, 12, "62 31 05 00 09 00 00 00"_hex) || at(b, 12, "00 05 31 62 00 00 00 09"_hex);
}

// "application/x-berkeley-db;format=hash"
bool check_application_x_berkeley_db_format_hash(const Probe& b) {
    return at(b, 0, "61 15 06 00"_hex) || at(b, 0, "00 06 15 61"_hex) ||
           at(b, 12, "61 15 06 00"_hex) || at(b, 12, "00 06 15 61"_hex);
}

// "application/x-berkeley-db;format=hash;version=2"
bool check_application_x_berkeley_db_format_hash_version_2(const Probe& b) {
    return at(b, 12, "61 15 06 00 05 00 00 00"_hex) || at(b, 12, "00 06 15 61 00 00 00 05"_hex);
}

// "application/x-berkeley-db;format=hash;version=3"
bool check_application_x_berkeley_db_format_hash_version_3(const Probe& b) {
    return at(b, 12, "61 15 06 00 07 00 00 00"_hex) || at(b, 12, "00 06 15 61 00 00 00 07"_hex);
}

// "application/x-berkeley-db;format=hash;version=4"
bool check_application_x_berkeley_db_format_hash_version_4(const Probe& b) {
    return at(b, 12, "61 15 06 00 08 00 00 00"_hex) || at(b, 12, "00 06 15 61 00 00 00 08"_hex);
}

// "application/x-berkeley-db;format=hash;version=5"
bool check_application_x_berkeley_db_format_hash_version_5(const Probe& b) {
    return at(b, 12, "61 15 06 00 09 00 00 00"_hex) || at(b, 12, "00 06 15 61 00 00 00 09"_hex);
}

// "application/x-berkeley-db;format=log"
bool check_application_x_berkeley_db_format_log(const Probe& b) {
    return at(b, 12, "88 09 04 00"_hex) || at(b, 12, "00 04 09 88"_hex);
}

// "application/x-berkeley-db;format=queue"
bool check_application_x_berkeley_db_format_queue(const Probe& b) {
    return at(b, 12, "53 22 04 00"_hex) || at(b, 12, "00 04 22 53"_hex);
}

namespace {
// BibTeX entry openers, in the order they are tried.
constexpr const char* kBibtexOpeners[] = {
    "@article{", "@book{",     "@inbook{",    "@incollection{", "@inproceedings{", "@manual{",
    "@misc{",    "@preamble{", "@phdthesis{", "@string{",       "@techreport{",    "@unpublished{",
};
}  // namespace

// "application/x-bibtex-text-file"
bool check_application_x_bibtex_text_file(const Probe& b) {
    if (at(b, 0, "% BibTeX ") && at(b, 9, "60"_hex)) return true;
    if (at(b, 73, "%%%") && at(b, 76, "20 20"_hex)) return true;
    if (at(b, 0, "% BibTeX standard bibliography ")) return true;
    for (const char* e : kBibtexOpeners)
        if (at_any_case(b, 0, Needle(reinterpret_cast<const uint8_t*>(e), std::strlen(e))))
            return true;
    if (at(b, 0, "%")) {
        for (const char* e : kBibtexOpeners) {
            uint8_t line[16] = {0x0A};
            size_t n = std::strlen(e);
            std::memcpy(line + 1, e, n);
            if (within_any_case(b, 2, 128, Needle(line, n + 1))) return true;
        }
    }
    return false;
}

// "application/x-bittorrent"
bool check_application_x_bittorrent(const Probe& b) { return at(b, 0, "d8:announce"); }

// "application/x-bplist"
bool check_application_x_bplist(const Probe& b) { return at(b, 0, "bplist"); }

// "application/x-bzip"
bool check_application_x_bzip(const Probe& b) { return at(b, 0, "BZ0"); }

// "application/x-bzip2"
bool check_application_x_bzip2(const Probe& b) { return pattern(b, Pat::Bzip2_1); }

// "application/x-cdf"
bool check_application_x_cdf(const Probe& b) {
    return at(b, 0, "RIFF") && at(b, 4, "24 00 00 00"_hex) && at(b, 8, "CDDAfmt ") &&
           at(b, 16, "18"_hex);
}

// "application/x-chrome-package" (also "application/x-chrome-extension")
bool check_application_x_chrome_package(const Probe& b) { return at(b, 0, "Cr24"); }

// "application/x-compress"
bool check_application_x_compress(const Probe& b) { return at(b, 0, "1F 9D"_hex); }

// "application/x-coredump"
bool check_application_x_coredump(const Probe& b) { return elf_kind(b, 4); }

// "application/x-cpio"
bool check_application_x_cpio(const Probe& b) {
    return at(b, 0, "C7 71"_hex) || at(b, 0, "71 C7"_hex) || at(b, 0, "070707") ||
           at(b, 0, "070701") || at(b, 0, "070702");
}

// "application/x-debian-package"
bool check_application_x_debian_package(const Probe& b) {
    return (at(b, 0, "!<arch>") && at(b, 7, "0A"_hex) && at(b, 8, "debian-binary")) ||
           (at(b, 0, "!<arch>") && at(b, 7, "0A"_hex) && at(b, 8, "debian-split"));
}

// "application/x-dex"
bool check_application_x_dex(const Probe& b) {
    return at(b, 0, "64 65 78 0A"_hex) && at(b, 7, "00"_hex);
}

// "application/x-dvd-ifo"
bool check_application_x_dvd_ifo(const Probe& b) {
    return at(b, 0, "DVDVIDEO-VTS") || at(b, 0, "DVDVIDEO-VMG");
}

// "application/x-dvi"
bool check_application_x_dvi(const Probe& b) {
    return at(b, 0, "F7 02"_hex) || (at(b, 14, "1B"_hex) && at(b, 15, " TeX output "));
}

// "application/x-ebu-stl"
bool check_application_x_ebu_stl(const Probe& b) { return at(b, 3, "STL") && at(b, 8, ".01"); }

// "application/x-elc"
bool check_application_x_elc(const Probe& b) {
    return at(b, 0, "0A 28"_hex) || (at(b, 0, ";ELC") && at(b, 4, "13 00 00 00"_hex));
}

// "application/x-elf"
bool check_application_x_elf(const Probe& b) { return at(b, 0, "7F 45 4C 46"_hex); }

// "application/x-endnote-refer"
bool check_application_x_endnote_refer(const Probe& b) {
    return within(b, 0, 50, "%A ") && within(b, 0, 1000, "0A 25 44 20"_hex) &&
           within(b, 0, 1000, "0A 25 54 20"_hex);
}

// "application/x-endnote-style"
bool check_application_x_endnote_style(const Probe& b) {
    return at(b, 0, "00 08"_hex) && at(b, 4, "00 00"_hex) &&
           (at(b, 8, "RSFTSTYL") || at(b, 8, "ENDNENFT"));
}

// "application/x-erdas-hfa"
bool check_application_x_erdas_hfa(const Probe& b) { return at(b, 0, "EHFA_HEADER_TAG"); }

// "application/x-esri-spatially-enabled-db"
bool check_application_x_esri_spatially_enabled_db(const Probe& b) {
    return sqlite_header(b) && at(b, 68, "Esri");
}

// "application/x-executable"
bool check_application_x_executable(const Probe& b) { return elf_kind(b, 2); }

// "application/x-fat-diskimage"
bool check_application_x_fat_diskimage(const Probe& b) {
    return at(b, 0, "EB"_hex) && at(b, 2, "90"_hex) && pattern_over(b, Pat::FatDiskimage1, 14);
}

// "application/x-fictionbook+xml"
bool check_application_x_fictionbook_xml(const Probe& b) {
    return xml_root(b, "FictionBook", kFictionBookNs);
}

// "application/x-filemaker"
bool check_application_x_filemaker(const Probe& b) {
    return at(b, 14, "C0"_hex) && at(b, 15, "HBAM7") && at(b, 525, "HBAM2101OCT99") &&
           at(b, 538, "C1 02 48 07"_hex) && at(b, 542, "Pro 7.0") && at(b, 549, "C0 C0"_hex);
}

// "application/x-font-adobe-metric"
bool check_application_x_font_adobe_metric(const Probe& b) { return at(b, 0, "StartFontMetrics"); }

// "application/x-font-otf"
bool check_application_x_font_otf(const Probe& b) { return at(b, 0, "OTTO") && at(b, 4, "00"_hex); }

// "application/x-font-printer-metric"
bool check_application_x_font_printer_metric(const Probe& b) {
    return at(b, 0, "00 01"_hex) && at(b, 4, "00 00"_hex) && at(b, 6, "Copyr");
}

// "application/x-font-ttf"
bool check_application_x_font_ttf(const Probe& b) { return at(b, 0, "00 01 00 00"_hex); }

// "application/x-font-type1"
bool check_application_x_font_type1(const Probe& b) {
    return (at(b, 0, "80 01"_hex) && at(b, 4, "00 00"_hex) && at(b, 6, "%!PS-AdobeFont")) ||
           at(b, 0, "%!PS-AdobeFont-1.0");
}

// "application/x-fossil-checkout"
bool check_application_x_fossil_checkout(const Probe& b) {
    return sqlite_header(b) && at(b, 68, "0F 05 51 12"_hex);
}

// "application/x-fossil-global-conf"
bool check_application_x_fossil_global_conf(const Probe& b) {
    return sqlite_header(b) && at(b, 68, "0F 05 51 13"_hex);
}

// "application/x-fossil-repository"
bool check_application_x_fossil_repository(const Probe& b) {
    return sqlite_header(b) && at(b, 68, "0F 05 51 11"_hex);
}

// "application/x-foxmail"
bool check_application_x_foxmail(const Probe& b) {
    return at(b, 0, "10 10 10 10 10 10 10 11 11 11 11 11 11 53"_hex);
}

// "application/x-geopackage"
bool check_application_x_geopackage(const Probe& b) {
    return sqlite_header(b) && at(b, 68, "GPKG");
}

// "application/x-geopackage; version=1.1Or1.0"
bool check_application_x_geopackage__version_1_1Or1_0(const Probe& b) {
    return sqlite_header(b) && at(b, 68, "GP10");
}

// "application/x-gnumeric"
bool check_application_x_gnumeric(const Probe& b) { return at(b, 39, "=<gmr:Workbook"); }

// "application/x-grib"
bool check_application_x_grib(const Probe& b) { return at(b, 0, "GRIB"); }

// "application/x-gtar"
bool check_application_x_gtar(const Probe& b) {
    return at(b, 257, "ustar") && at(b, 262, "20 20 00"_hex);
}

// "application/x-guitar-pro"
bool check_application_x_guitar_pro(const Probe& b) {
    return at(b, 1, "FICHIER GUITARE PRO ") || at(b, 1, "FICHIER GUITAR PRO ");
}

// "application/x-hdf"
bool check_application_x_hdf(const Probe& b) {
    return at(b, 0, "0E 03 13 01"_hex) || at(b, 0, "89 48 44 46 0D 0A 1A"_hex);
}

// "application/x-httpresponse"
bool check_application_x_httpresponse(const Probe& b) {
    if (!at(b, 0, "HTTP/")) return false;
    return within(b, 0, 1000, "\nCache-Control:") || within(b, 0, 1000, "\nContent-Type:") ||
           within(b, 0, 1000, "\nContent-Length:") ||
           within(b, 0, 1000, "\nContent-Disposition:") || within(b, 0, 1000, "\nDate:") ||
           within(b, 0, 1000, "\nServer:");
}

// "application/x-hwp"
bool check_application_x_hwp(const Probe& b) { return at(b, 0, "HWP Document File V"); }

// "application/x-ibooks+zip"
bool check_application_x_ibooks_zip(const Probe& b) {
    return at(b, 0, "50 4B 03 04"_hex) && at(b, 30, "mimetypeapplication/x-ibooks+zip");
}

// "application/x-idl-save-file"
bool check_application_x_idl_save_file(const Probe& b) {
    return at(b, 0, "53 52 00 04 00 00 00 0A 00 00 04"_hex);
}

// "application/x-installshield"
bool check_application_x_installshield(const Probe& b) {
    return at(b, 0, "ISc(") && at(b, 6, "00"_hex) &&
           (at(b, 7, "01"_hex) || at(b, 7, "02"_hex) || at(b, 7, "04"_hex));
}

// "application/x-internet-archive"
bool check_application_x_internet_archive(const Probe& b) { return at(b, 0, "filedesc://"); }

// "application/x-isatab"
bool check_application_x_isatab(const Probe& b) { return at(b, 1, "Source Name"); }

// "application/x-isatab-assay"
bool check_application_x_isatab_assay(const Probe& b) { return at(b, 1, "Sample Name"); }

// "application/x-isatab-investigation"
bool check_application_x_isatab_investigation(const Probe& b) {
    return at(b, 0, "ONTOLOGY SOURCE REFERENCE");
}

// "application/x-iso9660-image"
bool check_application_x_iso9660_image(const Probe& b) {
    return at(b, 32769, "CD001") || at(b, 34817, "CD001") || at(b, 36865, "CD001");
}

// "application/x-java-keystore"
bool check_application_x_java_keystore(const Probe& b) {
    return at(b, 0, "FE ED FE ED"_hex) || at(b, 1, "FE ED FE ED"_hex);
}

// "application/x-jeol-jdf"
bool check_application_x_jeol_jdf(const Probe& b) {
    return at(b, 0, "JEOL.NMR") || at(b, 0, "RMN.LOEJ");
}

// "application/x-jigdo"
bool check_application_x_jigdo(const Probe& b) { return at(b, 0, "JigsawDownload template"); }

// "application/x-kdelnk"
bool check_application_x_kdelnk(const Probe& b) {
    return at(b, 0, "[KDE Desktop Entry]") || at(b, 0, "# KDE Config File");
}

// "application/x-latex"
bool check_application_x_latex(const Probe& b) { return at(b, 0, "% -*-latex-*-"); }

// "application/x-lha"
bool check_application_x_lha(const Probe& b) {
    return at(b, 2, "-lzs-") || at(b, 2, "-lh -") || at(b, 2, "-lhd-") || at(b, 2, "-lh2-") ||
           at(b, 2, "-lh3-") || at(b, 2, "-lh4-") || at(b, 2, "-lh5-") || at(b, 2, "-lh6-") ||
           at(b, 2, "-lh7-");
}

// "application/x-lharc"
bool check_application_x_lharc(const Probe& b) {
    return at(b, 2, "-lh0-") || at(b, 2, "-lh1-") || at(b, 2, "-lz4-") || at(b, 2, "-lz5-");
}

// "application/x-lz4"
bool check_application_x_lz4(const Probe& b) {
    return at(b, 0, "04 22 4D 18"_hex) || at(b, 0, "02 21 4C 18"_hex);
}

// "application/x-lzip" (also "application/lzip")
bool check_application_x_lzip(const Probe& b) { return at(b, 0, "LZIP"); }

// "application/x-mach-o"
bool check_application_x_mach_o(const Probe& b) {
    return at(b, 0, "FE ED FA CE"_hex) || at(b, 0, "CE FA ED FE"_hex) ||
           at(b, 0, "FE ED FA CF"_hex) || at(b, 0, "CF FA ED FE"_hex);
}

// "application/x-mach-o-bundle"
bool check_application_x_mach_o_bundle(const Probe& b) { return macho_kind(b, 0x08); }

// "application/x-mach-o-core"
bool check_application_x_mach_o_core(const Probe& b) { return macho_kind(b, 0x04); }

// "application/x-mach-o-dsym"
bool check_application_x_mach_o_dsym(const Probe& b) { return macho_kind(b, 0x0A); }

// "application/x-mach-o-dylib"
bool check_application_x_mach_o_dylib(const Probe& b) { return macho_kind(b, 0x06); }

// "application/x-mach-o-dylib-stub"
bool check_application_x_mach_o_dylib_stub(const Probe& b) { return macho_kind(b, 0x09); }

// "application/x-mach-o-dylinker"
bool check_application_x_mach_o_dylinker(const Probe& b) { return macho_kind(b, 0x07); }

// "application/x-mach-o-executable"
bool check_application_x_mach_o_executable(const Probe& b) { return macho_kind(b, 0x02); }

// "application/x-mach-o-fvmlib"
bool check_application_x_mach_o_fvmlib(const Probe& b) { return macho_kind(b, 0x03); }

// "application/x-mach-o-kext-bundle"
bool check_application_x_mach_o_kext_bundle(const Probe& b) { return macho_kind(b, 0x0B); }

// "application/x-mach-o-object"
bool check_application_x_mach_o_object(const Probe& b) { return macho_kind(b, 0x01); }

// "application/x-mach-o-preload"
bool check_application_x_mach_o_preload(const Probe& b) { return macho_kind(b, 0x05); }

// "application/x-mach-o-universal": the fat magic (either byte order, 32- or
// 64-bit) and an architecture count of 1 to 19 read in the magic's byte order.
bool check_application_x_mach_o_universal(const Probe& b) {
    if (at(b, 0, "CA FE BA BE"_hex) && u32be(b, 4) >= 1 && u32be(b, 4) <= 19) return true;
    if (at(b, 0, "BE BA FE CA"_hex) && u32le(b, 4) >= 1 && u32le(b, 4) <= 19) return true;
    if (at(b, 0, "CA FE BA BF"_hex) && u32be(b, 4) >= 1 && u32be(b, 4) <= 19) return true;
    if (at(b, 0, "BF BA FE CA"_hex) && u32le(b, 4) >= 1 && u32le(b, 4) <= 19) return true;
    return false;
}

// "application/x-matlab-data"
bool check_application_x_matlab_data(const Probe& b) { return at(b, 0, "MATLAB"); }

// "application/x-matroska"
bool check_application_x_matroska(const Probe& b) { return at(b, 0, "1A 45 DF A3"_hex); }

// "application/x-mbtiles"
bool check_application_x_mbtiles(const Probe& b) { return sqlite_header(b) && at(b, 68, "MPBX"); }

// "application/x-mmm-digisonde"
bool check_application_x_mmm_digisonde(const Probe& b) {
    return at(b, 0, "09 3C 00"_hex) && at(b, 24, "00 00"_hex);
}

// "application/x-mobipocket-ebook"
bool check_application_x_mobipocket_ebook(const Probe& b) { return within(b, 0, 60, "BOOKMOBI"); }

// "application/x-monotone-source-repo"
bool check_application_x_monotone_source_repo(const Probe& b) {
    return sqlite_header(b) && at(b, 68, "_MTN");
}

// "application/x-ms-asx"
bool check_application_x_ms_asx(const Probe& b) { return xml_root(b, "asx") || xml_root(b, "ASX"); }

// "application/x-ms-compress-szdd"
bool check_application_x_ms_compress_szdd(const Probe& b) {
    return at(b, 0, "SZDD") && at(b, 4, "88 F0 27 33 41"_hex);
}

// "application/x-ms-nls"
bool check_application_x_ms_nls(const Probe& b) {
    return pattern(b, Pat::MsNls1) || pattern(b, Pat::MsNls2);
}

// "application/x-ms-reader"
bool check_application_x_ms_reader(const Probe& b) { return at(b, 0, "ITOLITLS"); }

// "application/x-ms-shortcut"
bool check_application_x_ms_shortcut(const Probe& b) {
    return at(b, 0, "4C 00 00 00 01 14 02 00"_hex);
}

// "application/x-msaccess"
bool check_application_x_msaccess(const Probe& b) {
    return (at(b, 0, "00 01 00 00"_hex) && at(b, 4, "Stan")) || at(b, 4, "Standard ACE DB") ||
           at(b, 4, "Standard JET DB");
}

// "application/x-msdownload"
bool check_application_x_msdownload(const Probe& b) { return at(b, 0, "MZ"); }

// "application/x-msdownload;format=pe"
bool check_application_x_msdownload_format_pe(const Probe& b) {
    return at(b, 0, "MZ") && (at(b, 128, "50 45 00 00"_hex) || at(b, 176, "50 45 00 00"_hex) ||
                              at(b, 208, "50 45 00 00"_hex) || at(b, 240, "50 45 00 00"_hex));
}

// "application/x-msdownload;format=pe-arm7"
bool check_application_x_msdownload_format_pe_arm7(const Probe& b) {
    return pe_machine(b, 0xC4, 0x01);
}

// "application/x-msdownload;format=pe-armLE"
bool check_application_x_msdownload_format_pe_armLE(const Probe& b) {
    return pe_machine(b, 0xC0, 0x01);
}

// "application/x-msdownload;format=pe-itanium"
bool check_application_x_msdownload_format_pe_itanium(const Probe& b) {
    return pe_machine(b, 0x00, 0x02);
}

// "application/x-msdownload;format=pe32"
bool check_application_x_msdownload_format_pe32(const Probe& b) {
    return pe_machine(b, 0x4C, 0x01);
}

// "application/x-msdownload;format=pe64"
bool check_application_x_msdownload_format_pe64(const Probe& b) {
    return pe_machine(b, 0x64, 0x86);
}

// "application/x-msmoney"
bool check_application_x_msmoney(const Probe& b) {
    return at(b, 0, "00 01 00 00"_hex) && at(b, 4, "MSISAM Database");
}

// "application/x-mswrite"
bool check_application_x_mswrite(const Probe& b) {
    return at(b, 0, "31 BE 00 00"_hex) || at(b, 0, "32 BE 00 00"_hex);
}

// "application/x-mysql-misam-compressed-index"
bool check_application_x_mysql_misam_compressed_index(const Probe& b) {
    return at(b, 0, "FE FE 06"_hex) || at(b, 0, "FE FE 07"_hex);
}

// "application/x-mysql-misam-index"
bool check_application_x_mysql_misam_index(const Probe& b) {
    return at(b, 0, "FE FE 03"_hex) || at(b, 0, "FE FE 05"_hex);
}

// "application/x-mysql-table-definition"
bool check_application_x_mysql_table_definition(const Probe& b) {
    return at(b, 0, "FE 01 07"_hex) || at(b, 0, "FE 01 08"_hex) || at(b, 0, "FE 01 09"_hex) ||
           at(b, 0, "FE 01 0A"_hex) || at(b, 0, "FE 01 0B"_hex) || at(b, 0, "FE 01 0C"_hex);
}

// "application/x-nesrom"
bool check_application_x_nesrom(const Probe& b) { return at(b, 0, "4E 45 53 1A"_hex); }

// "application/x-netcdf"
bool check_application_x_netcdf(const Probe& b) {
    return at(b, 0, "43 44 46 01"_hex) || at(b, 0, "43 44 46 02"_hex);
}

// "application/x-object"
bool check_application_x_object(const Probe& b) { return elf_kind(b, 1); }

// "application/x-ole-storage" (also "application/x-tarvik-msoffice")
bool check_application_x_ole_storage(const Probe& b) {
    return at(b, 0, "D0 CF 11 E0 A1 B1 1A E1"_hex) || at(b, 1, "D0 CF 11 E0 A1 B1 1A E1"_hex);
}

// "application/x-parquet"
bool check_application_x_parquet(const Probe& b) { return at(b, 0, "PAR1"); }

// "application/x-pds"
bool check_application_x_pds(const Probe& b) { return at(b, 0, "PDS_VERSION_ID"); }

// "application/x-plist"
bool check_application_x_plist(const Probe& b) { return xml_root(b, "plist"); }

// "application/x-project"
bool check_application_x_project(const Probe& b) {
    return at(b, 0, "MPX,Microsoft Project for Windows,");
}

// "application/x-prt"
bool check_application_x_prt(const Probe& b) { return at(b, 8, "0M3C"); }

// "application/x-quattro-pro;version=1+5"
bool check_application_x_quattro_pro_version_1_5(const Probe& b) {
    return at(b, 0, "00 00 02 00 01 10"_hex);
}

// "application/x-quattro-pro;version=1-4"
bool check_application_x_quattro_pro_version_1_4(const Probe& b) {
    return at(b, 0, "00 00 02 00 20 51"_hex);
}

// "application/x-quattro-pro;version=5"
bool check_application_x_quattro_pro_version_5(const Probe& b) {
    return at(b, 0, "00 00 02 00 21 51"_hex);
}

// "application/x-quattro-pro;version=6"
bool check_application_x_quattro_pro_version_6(const Probe& b) {
    return at(b, 0, "00 00 02 00 02 10"_hex);
}

// "application/x-rar-compressed"
bool check_application_x_rar_compressed(const Probe& b) { return at(b, 0, "Rar!"); }

// "application/x-rar-compressed;version=4"
bool check_application_x_rar_compressed_version_4(const Probe& b) {
    return at(b, 0, "Rar!") && at(b, 4, "1A 07 00"_hex);
}

// "application/x-rar-compressed;version=5"
bool check_application_x_rar_compressed_version_5(const Probe& b) {
    return at(b, 0, "Rar!") && at(b, 4, "1A 07 01 00"_hex);
}

// "application/x-rpm"
bool check_application_x_rpm(const Probe& b) {
    return at(b, 0, "ED AB EE DB"_hex) || at(b, 0, "drpm");
}

// "application/x-sas-data"
bool check_application_x_sas_data(const Probe& b) { return at(b, 84, "SAS FILE"); }

// "application/x-sas-data-v6"
bool check_application_x_sas_data_v6(const Probe& b) {
    return at(b, 0, "SAS") && at(b, 3, "20 20 20 20 20"_hex) &&
           (at(b, 8, "6.") || at(b, 8, "7.") || at(b, 8, "8.0") || at(b, 8, "9.0"));
}

// "application/x-sas-xport"
bool check_application_x_sas_xport(const Probe& b) {
    return at(b, 0, "HEADER RECORD*******LIBRARY HEADER RECORD!!!!!!!");
}

// "application/x-sc"
bool check_application_x_sc(const Probe& b) { return at(b, 38, "Spreadsheet"); }

// "application/x-sh"
bool check_application_x_sh(const Probe& b) {
    return at(b, 0, "#!/") || at(b, 0, "#! /") || at(b, 0, "23 21 09 2F"_hex) ||
           (at(b, 0, "eval ") && at(b, 5, "22"_hex) && at(b, 6, "exec"));
}

// "application/x-shapefile"
bool check_application_x_shapefile(const Probe& b) { return at(b, 0, "00 00 27 0A"_hex); }

// "application/x-sharedlib"
bool check_application_x_sharedlib(const Probe& b) { return elf_kind(b, 3); }

// "application/x-shockwave-flash"
bool check_application_x_shockwave_flash(const Probe& b) {
    return at(b, 0, "FWS") || at(b, 0, "CWS") || at(b, 0, "ZWS");
}

// "application/x-sibelius"
bool check_application_x_sibelius(const Probe& b) {
    return at(b, 0, "0F"_hex) && at(b, 1, "SIBELIUS");
}

// "application/x-snappy-framed"
bool check_application_x_snappy_framed(const Probe& b) { return within(b, 0, 16, "sNaPpY"); }

// "application/x-spectrum-tzx"
bool check_application_x_spectrum_tzx(const Probe& b) {
    return at(b, 0, "ZXTape!") && at(b, 7, "1A"_hex);
}

// "application/x-spss-sav"
bool check_application_x_spss_sav(const Probe& b) { return at(b, 0, "$FL2@(#)"); }

// "application/x-sqlite3"
bool check_application_x_sqlite3(const Probe& b) { return sqlite_header(b); }

// "application/x-stata-dta"
bool check_application_x_stata_dta(const Probe& b) {
    return xml_root(b, "stata_dta") || at(b, 0, "<stata_dta>");
}

// "application/x-stata-dta;version=10"
bool check_application_x_stata_dta_version_10(const Probe& b) {
    return at(b, 0, "<stata_dta><header><release>114</release>");
}

// "application/x-stata-dta;version=12"
bool check_application_x_stata_dta_version_12(const Probe& b) {
    return at(b, 0, "<stata_dta><header><release>115</release>");
}

// "application/x-stata-dta;version=13"
bool check_application_x_stata_dta_version_13(const Probe& b) {
    return at(b, 0, "<stata_dta><header><release>117</release>");
}

// "application/x-stata-dta;version=14"
bool check_application_x_stata_dta_version_14(const Probe& b) {
    return at(b, 0, "<stata_dta><header><release>118</release>");
}

// "application/x-stata-dta;version=8"
bool check_application_x_stata_dta_version_8(const Probe& b) {
    return at(b, 0, "<stata_dta><header><release>113</release>");
}

// "application/x-stuffit"
bool check_application_x_stuffit(const Probe& b) { return at(b, 0, "StuffIt"); }

// "application/x-subrip"
bool check_application_x_subrip(const Probe& b) {
    return at(b, 0, "31 0A 30 30"_hex) || at(b, 0, "31 0D 30 30"_hex) ||
           at(b, 0, "03 10 D0 A1 30 30"_hex) || at(b, 0, "EF BB BF 31 0A 30 30"_hex) ||
           at(b, 0, "EF BB BF 31 0D 30 30"_hex) || at(b, 0, "0E FB BB F3 10 D0 A1 30 30"_hex);
}

// "application/x-tar"
bool check_application_x_tar(const Probe& b) { return at(b, 257, "ustar") && at(b, 262, "00"_hex); }

// "application/x-tarvik-ooxml"
bool check_application_x_tarvik_ooxml(const Probe& b) {
    return at(b, 0, "50 4B 03 04"_hex) &&
           (within(b, 30, 65536, "[Content_Types].xml") || at(b, 30, "_rels/.rels"));
}

// "application/x-tex"
bool check_application_x_tex(const Probe& b) {
    return at(b, 0, "5C"_hex) &&
           (at(b, 1, "input") || at(b, 1, "section") || at(b, 1, "setlength") ||
            at(b, 1, "documentstyle") || at(b, 1, "chapter") || at(b, 1, "documentclass") ||
            at(b, 1, "relax") || at(b, 1, "contentsline"));
}

// "application/x-tex-virtual-font"
bool check_application_x_tex_virtual_font(const Probe& b) {
    return at(b, 0, "F7 CA"_hex) && at(b, 11, "F3 00"_hex) && at(b, 17, "00 10"_hex);
}

// "application/x-texinfo"
bool check_application_x_texinfo(const Probe& b) {
    return at(b, 0, "5C"_hex) && at(b, 1, "input texinfo");
}

// "application/x-texnicard"
bool check_application_x_texnicard(const Probe& b) {
    return sqlite_header(b) && at(b, 68, "6A 03 57 44"_hex);
}

// "application/x-tmx"
bool check_application_x_tmx(const Probe& b) { return within(b, 0, 256, "<tmx"); }

// "application/x-touhou"
bool check_application_x_touhou(const Probe& b) {
    return at(b, 0, "t1") && pattern_over(b, Pat::Touhou1, 3) &&
           at(b, 5, "00 00 00 00 00 00 00"_hex);
}

// "application/x-uc2-compressed"
bool check_application_x_uc2_compressed(const Probe& b) { return at(b, 0, "55 43 32 1A"_hex); }

// "application/x-vhd"
bool check_application_x_vhd(const Probe& b) { return at(b, 0, "conectix"); }

// "application/x-x509-cert;format=der": a DER sequence with a long-form
// length, then one of three signature-algorithm forms within bytes 10..50.
bool check_application_x_x509_cert_format_der(const Probe& b) {
    if (!(at(b, 0, "30"_hex) && byte_mask(b, 1, 0xF8, 0x80))) return false;
    // sha*WithRSAEncryption and its NULL parameters; the byte in between is
    // the last arc of the algorithm and is not compared.
    for (size_t q = 10; q <= 36; ++q)
        if (at(b, q, "30 0D 06 09 2A 86 48 86 F7 0D 01 01"_hex) && at(b, q + 13, "05 00"_hex))
            return true;
    // dsa-with-sha* and ecdsa-with-SHA*: the compared bytes and the one after
    // them must lie inside 10..50.
    if (within(b, 10, 49, "30 0B 06 09 60 86 48 01 65 03 04 03"_hex)) return true;
    if (within(b, 10, 49, "30 0A 06 08 2A 86 48 CE 3D 04 03"_hex)) return true;
    return false;
}

// "application/x-x509-cert;format=pem"
bool check_application_x_x509_cert_format_pem(const Probe& b) {
    return at(b, 0, "-----BEGIN CERTIFICATE-----");
}

// "application/x-x509-dsa-parameters"
bool check_application_x_x509_dsa_parameters(const Probe& b) {
    return at(b, 0, "-----BEGIN DSA PARAMETERS-----");
}

// "application/x-x509-ec-parameters"
bool check_application_x_x509_ec_parameters(const Probe& b) {
    return at(b, 0, "-----BEGIN EC PARAMETERS-----");
}

// "application/x-x509-key;format=der"
bool check_application_x_x509_key_format_der(const Probe& b) {
    return (at(b, 0, "30 80 02 01"_hex) && byte_mask(b, 4, 0xFC, 0x00)) ||
           (at(b, 0, "30 81"_hex) && at(b, 3, "02 01"_hex) && byte_mask(b, 5, 0xFC, 0x00)) ||
           (at(b, 0, "30 82"_hex) && at(b, 4, "02 01"_hex) && byte_mask(b, 6, 0xFC, 0x00));
}

// "application/x-x509-key;format=pem"
bool check_application_x_x509_key_format_pem(const Probe& b) {
    return at(b, 0, "-----BEGIN ") &&
           (at(b, 11, "PRIVATE KEY-----") || at(b, 11, "PUBLIC KEY-----") ||
            at(b, 11, "KEY-----") || at(b, 11, "RSA KEY-----") ||
            at(b, 11, "RSA PRIVATE KEY-----") || at(b, 11, "DSA KEY-----") ||
            at(b, 11, "DSA PRIVATE KEY-----"));
}

// The XML namespace name of XLIFF 1.2 documents.
constexpr char kXliffNs[] = "urn:oasis:names:tc:xliff:document:1.2";

// "application/x-xliff+xml"
bool check_application_x_xliff_xml(const Probe& b) { return xml_root(b, "xliff", kXliffNs); }

// "application/x-xz"
bool check_application_x_xz(const Probe& b) { return at(b, 0, "FD 37 7A 58 5A 00"_hex); }

// "application/x-zim"
bool check_application_x_zim(const Probe& b) { return at(b, 0, "5A 49 4D 04"_hex); }

// "application/x-zoo"
bool check_application_x_zoo(const Probe& b) { return at(b, 20, "DC A7 C4 FD"_hex); }

}  // namespace mime_magic::checks
