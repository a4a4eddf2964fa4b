// Content checks: application types of the x-tree (x-).
#include "../checks.h"

namespace mime_magic::checks {

// "application/x-7z-compressed"
bool check_application_x_7z_compressed(Buf) { return false; }

// "application/x-activemime"
bool check_application_x_activemime(Buf) { return false; }

// "application/x-adobe-indesign"
bool check_application_x_adobe_indesign(Buf) { return false; }

// "application/x-adobe-indesign-interchange"
bool check_application_x_adobe_indesign_interchange(Buf) { return false; }

// "application/x-amf"
bool check_application_x_amf(Buf) { return false; }

// "application/x-amiga-disk-format"
bool check_application_x_amiga_disk_format(Buf) { return false; }

// "application/x-archive"
bool check_application_x_archive(Buf) { return false; }

// "application/x-arj"
bool check_application_x_arj(Buf) { return false; }

// "application/x-asprs"
bool check_application_x_asprs(Buf) { return false; }

// "application/x-atari-floppy-disk-image"
bool check_application_x_atari_floppy_disk_image(Buf) { return false; }

// "application/x-axcrypt"
bool check_application_x_axcrypt(Buf) { return false; }

// "application/x-bat"
bool check_application_x_bat(Buf) { return false; }

// "application/x-bentley-besqlite"
bool check_application_x_bentley_besqlite(Buf) { return false; }

// "application/x-bentley-localization"
bool check_application_x_bentley_localization(Buf) { return false; }

// "application/x-berkeley-db;format=btree"
bool check_application_x_berkeley_db_format_btree(Buf) { return false; }

// "application/x-berkeley-db;format=btree;version=2"
bool check_application_x_berkeley_db_format_btree_version_2(Buf) { return false; }

// "application/x-berkeley-db;format=btree;version=3"
bool check_application_x_berkeley_db_format_btree_version_3(Buf) { return false; }

// "application/x-berkeley-db;format=btree;version=4"
bool check_application_x_berkeley_db_format_btree_version_4(Buf) { return false; }

// "application/x-berkeley-db;format=hash"
bool check_application_x_berkeley_db_format_hash(Buf) { return false; }

// "application/x-berkeley-db;format=hash;version=2"
bool check_application_x_berkeley_db_format_hash_version_2(Buf) { return false; }

// "application/x-berkeley-db;format=hash;version=3"
bool check_application_x_berkeley_db_format_hash_version_3(Buf) { return false; }

// "application/x-berkeley-db;format=hash;version=4"
bool check_application_x_berkeley_db_format_hash_version_4(Buf) { return false; }

// "application/x-berkeley-db;format=hash;version=5"
bool check_application_x_berkeley_db_format_hash_version_5(Buf) { return false; }

// "application/x-berkeley-db;format=log"
bool check_application_x_berkeley_db_format_log(Buf) { return false; }

// "application/x-berkeley-db;format=queue"
bool check_application_x_berkeley_db_format_queue(Buf) { return false; }

// "application/x-bibtex-text-file"
bool check_application_x_bibtex_text_file(Buf) { return false; }

// "application/x-bittorrent"
bool check_application_x_bittorrent(Buf) { return false; }

// "application/x-bplist"
bool check_application_x_bplist(Buf) { return false; }

// "application/x-bzip"
bool check_application_x_bzip(Buf) { return false; }

// "application/x-bzip2"
bool check_application_x_bzip2(Buf) { return false; }

// "application/x-cdf"
bool check_application_x_cdf(Buf) { return false; }

// "application/x-chrome-package"
bool check_application_x_chrome_package(Buf) { return false; }

// "application/x-compress"
bool check_application_x_compress(Buf) { return false; }

// "application/x-coredump"
bool check_application_x_coredump(Buf) { return false; }

// "application/x-cpio"
bool check_application_x_cpio(Buf) { return false; }

// "application/x-debian-package"
bool check_application_x_debian_package(Buf) { return false; }

// "application/x-dex"
bool check_application_x_dex(Buf) { return false; }

// "application/x-dvd-ifo"
bool check_application_x_dvd_ifo(Buf) { return false; }

// "application/x-dvi"
bool check_application_x_dvi(Buf) { return false; }

// "application/x-ebu-stl"
bool check_application_x_ebu_stl(Buf) { return false; }

// "application/x-elc"
bool check_application_x_elc(Buf) { return false; }

// "application/x-elf"
bool check_application_x_elf(Buf) { return false; }

// "application/x-endnote-refer"
bool check_application_x_endnote_refer(Buf) { return false; }

// "application/x-endnote-style"
bool check_application_x_endnote_style(Buf) { return false; }

// "application/x-erdas-hfa"
bool check_application_x_erdas_hfa(Buf) { return false; }

// "application/x-esri-spatially-enabled-db"
bool check_application_x_esri_spatially_enabled_db(Buf) { return false; }

// "application/x-executable"
bool check_application_x_executable(Buf) { return false; }

// "application/x-fat-diskimage"
bool check_application_x_fat_diskimage(Buf) { return false; }

// "application/x-fictionbook+xml"
bool check_application_x_fictionbook_xml(Buf) { return false; }

// "application/x-filemaker"
bool check_application_x_filemaker(Buf) { return false; }

// "application/x-font-adobe-metric"
bool check_application_x_font_adobe_metric(Buf) { return false; }

// "application/x-font-otf"
bool check_application_x_font_otf(Buf) { return false; }

// "application/x-font-printer-metric"
bool check_application_x_font_printer_metric(Buf) { return false; }

// "application/x-font-ttf"
bool check_application_x_font_ttf(Buf) { return false; }

// "application/x-font-type1"
bool check_application_x_font_type1(Buf) { return false; }

// "application/x-fossil-checkout"
bool check_application_x_fossil_checkout(Buf) { return false; }

// "application/x-fossil-global-conf"
bool check_application_x_fossil_global_conf(Buf) { return false; }

// "application/x-fossil-repository"
bool check_application_x_fossil_repository(Buf) { return false; }

// "application/x-foxmail"
bool check_application_x_foxmail(Buf) { return false; }

// "application/x-geopackage"
bool check_application_x_geopackage(Buf) { return false; }

// "application/x-geopackage; version=1.1Or1.0"
bool check_application_x_geopackage__version_1_1Or1_0(Buf) { return false; }

// "application/x-gnumeric"
bool check_application_x_gnumeric(Buf) { return false; }

// "application/x-grib"
bool check_application_x_grib(Buf) { return false; }

// "application/x-gtar"
bool check_application_x_gtar(Buf) { return false; }

// "application/x-guitar-pro"
bool check_application_x_guitar_pro(Buf) { return false; }

// "application/x-hdf"
bool check_application_x_hdf(Buf) { return false; }

// "application/x-httpresponse"
bool check_application_x_httpresponse(Buf) { return false; }

// "application/x-hwp"
bool check_application_x_hwp(Buf) { return false; }

// "application/x-ibooks+zip"
bool check_application_x_ibooks_zip(Buf) { return false; }

// "application/x-idl-save-file"
bool check_application_x_idl_save_file(Buf) { return false; }

// "application/x-installshield"
bool check_application_x_installshield(Buf) { return false; }

// "application/x-internet-archive"
bool check_application_x_internet_archive(Buf) { return false; }

// "application/x-isatab"
bool check_application_x_isatab(Buf) { return false; }

// "application/x-isatab-assay"
bool check_application_x_isatab_assay(Buf) { return false; }

// "application/x-isatab-investigation"
bool check_application_x_isatab_investigation(Buf) { return false; }

// "application/x-iso9660-image"
bool check_application_x_iso9660_image(Buf) { return false; }

// "application/x-java-keystore"
bool check_application_x_java_keystore(Buf) { return false; }

// "application/x-jeol-jdf"
bool check_application_x_jeol_jdf(Buf) { return false; }

// "application/x-jigdo"
bool check_application_x_jigdo(Buf) { return false; }

// "application/x-kdelnk"
bool check_application_x_kdelnk(Buf) { return false; }

// "application/x-latex"
bool check_application_x_latex(Buf) { return false; }

// "application/x-lha"
bool check_application_x_lha(Buf) { return false; }

// "application/x-lharc"
bool check_application_x_lharc(Buf) { return false; }

// "application/x-lz4"
bool check_application_x_lz4(Buf) { return false; }

// "application/x-lzip"
bool check_application_x_lzip(Buf) { return false; }

// "application/x-mach-o"
bool check_application_x_mach_o(Buf) { return false; }

// "application/x-mach-o-bundle"
bool check_application_x_mach_o_bundle(Buf) { return false; }

// "application/x-mach-o-core"
bool check_application_x_mach_o_core(Buf) { return false; }

// "application/x-mach-o-dsym"
bool check_application_x_mach_o_dsym(Buf) { return false; }

// "application/x-mach-o-dylib"
bool check_application_x_mach_o_dylib(Buf) { return false; }

// "application/x-mach-o-dylib-stub"
bool check_application_x_mach_o_dylib_stub(Buf) { return false; }

// "application/x-mach-o-dylinker"
bool check_application_x_mach_o_dylinker(Buf) { return false; }

// "application/x-mach-o-executable"
bool check_application_x_mach_o_executable(Buf) { return false; }

// "application/x-mach-o-fvmlib"
bool check_application_x_mach_o_fvmlib(Buf) { return false; }

// "application/x-mach-o-kext-bundle"
bool check_application_x_mach_o_kext_bundle(Buf) { return false; }

// "application/x-mach-o-object"
bool check_application_x_mach_o_object(Buf) { return false; }

// "application/x-mach-o-preload"
bool check_application_x_mach_o_preload(Buf) { return false; }

// "application/x-mach-o-universal"
bool check_application_x_mach_o_universal(Buf) { return false; }

// "application/x-matlab-data"
bool check_application_x_matlab_data(Buf) { return false; }

// "application/x-matroska"
bool check_application_x_matroska(Buf) { return false; }

// "application/x-mbtiles"
bool check_application_x_mbtiles(Buf) { return false; }

// "application/x-mmm-digisonde"
bool check_application_x_mmm_digisonde(Buf) { return false; }

// "application/x-mobipocket-ebook"
bool check_application_x_mobipocket_ebook(Buf) { return false; }

// "application/x-monotone-source-repo"
bool check_application_x_monotone_source_repo(Buf) { return false; }

// "application/x-ms-asx"
bool check_application_x_ms_asx(Buf) { return false; }

// "application/x-ms-compress-szdd"
bool check_application_x_ms_compress_szdd(Buf) { return false; }

// "application/x-ms-nls"
bool check_application_x_ms_nls(Buf) { return false; }

// "application/x-ms-reader"
bool check_application_x_ms_reader(Buf) { return false; }

// "application/x-ms-shortcut"
bool check_application_x_ms_shortcut(Buf) { return false; }

// "application/x-msaccess"
bool check_application_x_msaccess(Buf) { return false; }

// "application/x-msdownload"
bool check_application_x_msdownload(Buf) { return false; }

// "application/x-msdownload;format=pe"
bool check_application_x_msdownload_format_pe(Buf) { return false; }

// "application/x-msdownload;format=pe-arm7"
bool check_application_x_msdownload_format_pe_arm7(Buf) { return false; }

// "application/x-msdownload;format=pe-armLE"
bool check_application_x_msdownload_format_pe_armLE(Buf) { return false; }

// "application/x-msdownload;format=pe-itanium"
bool check_application_x_msdownload_format_pe_itanium(Buf) { return false; }

// "application/x-msdownload;format=pe32"
bool check_application_x_msdownload_format_pe32(Buf) { return false; }

// "application/x-msdownload;format=pe64"
bool check_application_x_msdownload_format_pe64(Buf) { return false; }

// "application/x-msmoney"
bool check_application_x_msmoney(Buf) { return false; }

// "application/x-mswrite"
bool check_application_x_mswrite(Buf) { return false; }

// "application/x-mysql-misam-compressed-index"
bool check_application_x_mysql_misam_compressed_index(Buf) { return false; }

// "application/x-mysql-misam-index"
bool check_application_x_mysql_misam_index(Buf) { return false; }

// "application/x-mysql-table-definition"
bool check_application_x_mysql_table_definition(Buf) { return false; }

// "application/x-nesrom"
bool check_application_x_nesrom(Buf) { return false; }

// "application/x-netcdf"
bool check_application_x_netcdf(Buf) { return false; }

// "application/x-object"
bool check_application_x_object(Buf) { return false; }

// "application/x-ole-storage"
bool check_application_x_ole_storage(Buf) { return false; }

// "application/x-parquet"
bool check_application_x_parquet(Buf) { return false; }

// "application/x-pds"
bool check_application_x_pds(Buf) { return false; }

// "application/x-plist"
bool check_application_x_plist(Buf) { return false; }

// "application/x-project"
bool check_application_x_project(Buf) { return false; }

// "application/x-prt"
bool check_application_x_prt(Buf) { return false; }

// "application/x-quattro-pro;version=1+5"
bool check_application_x_quattro_pro_version_1_5(Buf) { return false; }

// "application/x-quattro-pro;version=1-4"
bool check_application_x_quattro_pro_version_1_4(Buf) { return false; }

// "application/x-quattro-pro;version=5"
bool check_application_x_quattro_pro_version_5(Buf) { return false; }

// "application/x-quattro-pro;version=6"
bool check_application_x_quattro_pro_version_6(Buf) { return false; }

// "application/x-rar-compressed"
bool check_application_x_rar_compressed(Buf) { return false; }

// "application/x-rar-compressed;version=4"
bool check_application_x_rar_compressed_version_4(Buf) { return false; }

// "application/x-rar-compressed;version=5"
bool check_application_x_rar_compressed_version_5(Buf) { return false; }

// "application/x-rpm"
bool check_application_x_rpm(Buf) { return false; }

// "application/x-sas-data"
bool check_application_x_sas_data(Buf) { return false; }

// "application/x-sas-data-v6"
bool check_application_x_sas_data_v6(Buf) { return false; }

// "application/x-sas-xport"
bool check_application_x_sas_xport(Buf) { return false; }

// "application/x-sc"
bool check_application_x_sc(Buf) { return false; }

// "application/x-sh"
bool check_application_x_sh(Buf) { return false; }

// "application/x-shapefile"
bool check_application_x_shapefile(Buf) { return false; }

// "application/x-sharedlib"
bool check_application_x_sharedlib(Buf) { return false; }

// "application/x-shockwave-flash"
bool check_application_x_shockwave_flash(Buf) { return false; }

// "application/x-sibelius"
bool check_application_x_sibelius(Buf) { return false; }

// "application/x-snappy-framed"
bool check_application_x_snappy_framed(Buf) { return false; }

// "application/x-spectrum-tzx"
bool check_application_x_spectrum_tzx(Buf) { return false; }

// "application/x-spss-sav"
bool check_application_x_spss_sav(Buf) { return false; }

// "application/x-sqlite3"
bool check_application_x_sqlite3(Buf) { return false; }

// "application/x-stata-dta"
bool check_application_x_stata_dta(Buf) { return false; }

// "application/x-stata-dta;version=10"
bool check_application_x_stata_dta_version_10(Buf) { return false; }

// "application/x-stata-dta;version=12"
bool check_application_x_stata_dta_version_12(Buf) { return false; }

// "application/x-stata-dta;version=13"
bool check_application_x_stata_dta_version_13(Buf) { return false; }

// "application/x-stata-dta;version=14"
bool check_application_x_stata_dta_version_14(Buf) { return false; }

// "application/x-stata-dta;version=8"
bool check_application_x_stata_dta_version_8(Buf) { return false; }

// "application/x-stuffit"
bool check_application_x_stuffit(Buf) { return false; }

// "application/x-subrip"
bool check_application_x_subrip(Buf) { return false; }

// "application/x-tar"
bool check_application_x_tar(Buf) { return false; }

// "application/x-tarvik-ooxml"
bool check_application_x_tarvik_ooxml(Buf) { return false; }

// "application/x-tex"
bool check_application_x_tex(Buf) { return false; }

// "application/x-tex-virtual-font"
bool check_application_x_tex_virtual_font(Buf) { return false; }

// "application/x-texinfo"
bool check_application_x_texinfo(Buf) { return false; }

// "application/x-texnicard"
bool check_application_x_texnicard(Buf) { return false; }

// "application/x-tmx"
bool check_application_x_tmx(Buf) { return false; }

// "application/x-touhou"
bool check_application_x_touhou(Buf) { return false; }

// "application/x-uc2-compressed"
bool check_application_x_uc2_compressed(Buf) { return false; }

// "application/x-vhd"
bool check_application_x_vhd(Buf) { return false; }

// "application/x-x509-cert;format=der"
bool check_application_x_x509_cert_format_der(Buf) { return false; }

// "application/x-x509-cert;format=pem"
bool check_application_x_x509_cert_format_pem(Buf) { return false; }

// "application/x-x509-dsa-parameters"
bool check_application_x_x509_dsa_parameters(Buf) { return false; }

// "application/x-x509-ec-parameters"
bool check_application_x_x509_ec_parameters(Buf) { return false; }

// "application/x-x509-key;format=der"
bool check_application_x_x509_key_format_der(Buf) { return false; }

// "application/x-x509-key;format=pem"
bool check_application_x_x509_key_format_pem(Buf) { return false; }

// "application/x-xliff+xml"
bool check_application_x_xliff_xml(Buf) { return false; }

// "application/x-xz"
bool check_application_x_xz(Buf) { return false; }

// "application/x-zim"
bool check_application_x_zim(Buf) { return false; }

// "application/x-zoo"
bool check_application_x_zoo(Buf) { return false; }

}  // namespace mime_magic::checks
