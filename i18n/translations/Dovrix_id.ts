<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id" sourcelanguage="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>Berkas tidak ada atau tidak dapat diakses.</translation>
    </message>
    <message>
        <source>文件可能已损坏或不是有效的 PDF。</source>
        <translation>Berkas mungkin rusak atau bukan PDF yang valid.</translation>
    </message>
    <message>
        <source>文档已加密。</source>
        <translation>Dokumen terenkripsi.</translation>
    </message>
    <message>
        <source>暂不支持该 PDF 加密方式。</source>
        <translation>Metode enkripsi PDF ini belum didukung.</translation>
    </message>
    <message>
        <source>打开文档时出现问题。</source>
        <translation>Terjadi masalah saat membuka dokumen.</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotatedPdfExporter</name>
    <message>
        <source>第 %1 页渲染失败，导出已中止。</source>
        <translation>Gagal merender halaman %1, ekspor dibatalkan.</translation>
    </message>
    <message>
        <source>无法创建输出文件：%1</source>
        <translation>Tidak dapat membuat berkas keluaran: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCard</name>
    <message>
        <source>⚓ 文本锚定，重排后可重定位</source>
        <translation>⚓ Berjangkar teks, dapat diposisikan ulang setelah tata letak berubah</translation>
    </message>
    <message>
        <source>▦ 矩形兜底：重排后位置可能漂移</source>
        <translation>▦ Jangkar persegi panjang: posisi bisa bergeser setelah tata letak berubah</translation>
    </message>
    <message>
        <source>高亮</source>
        <translation>Sorot</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>Garis bawah</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>Coret</translation>
    </message>
    <message>
        <source>便签</source>
        <translation>Catatan</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Persegi panjang</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Panah</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Selesai</translation>
    </message>
    <message>
        <source>删除批注</source>
        <translation>Hapus anotasi</translation>
    </message>
    <message>
        <source>便签内容（可选，其他类型也可备注）</source>
        <translation>Isi catatan (opsional, juga untuk jenis lain)</translation>
    </message>
    <message>
        <source>确认删除这条批注？</source>
        <translation>Yakin ingin menghapus anotasi ini?</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCommands</name>
    <message>
        <source>批注模式已开启：拖选文本或拖框创建批注，单击已有批注可编辑</source>
        <translation>Mode anotasi aktif: seret untuk memilih teks atau membuat kotak anotasi, klik anotasi yang ada untuk mengedit</translation>
    </message>
    <message>
        <source>批注已保存</source>
        <translation>Anotasi tersimpan</translation>
    </message>
    <message>
        <source>批注保存在本地 sidecar 文件（.dovrixmark）中，
用 Adobe 等其他阅读器打开源文件不可见。

Dovrix 始终不修改源 PDF。</source>
        <translation>Anotasi disimpan di berkas sidecar lokal (.dovrixmark),
tidak terlihat bila berkas sumber dibuka di pembaca lain seperti Adobe.

Dovrix tidak pernah mengubah PDF sumber.</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationPanel</name>
    <message>
        <source>批注仅保存在本地 .dovrixmark 文件，用 Adobe 等其他阅读器打开源文件不可见。</source>
        <translation>Anotasi hanya disimpan di berkas .dovrixmark lokal, tidak terlihat bila berkas sumber dibuka di pembaca lain seperti Adobe.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Halaman %1</translation>
    </message>
    <message>
        <source>%1 · 第 %2 页 · 颜色 %3%4</source>
        <translation>%1 · halaman %2 · warna %3%4</translation>
    </message>
    <message>
        <source>暂无批注。开启批注模式后拖选文本即可创建。</source>
        <translation>Belum ada anotasi. Aktifkan mode anotasi lalu seret untuk memilih teks.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>我的批注</source>
        <translation>Anotasi saya</translation>
    </message>
    <message>
        <source>文档中的批注（%1，只读）</source>
        <translation>Di dalam dokumen (%1, hanya baca)</translation>
    </message>
    <message>
        <source>复制到我的批注</source>
        <translation>Salin ke catatan saya</translation>
    </message>
    <message>
        <source>此类批注无法复制为我的批注。</source>
        <translation>Anotasi jenis ini tidak dapat disalin ke catatan saya.</translation>
    </message>
    <message>
        <source>此批注无法完整读取，已原样保留在批注文件中，不能编辑。</source>
        <translation>Anotasi ini tidak dapat dibaca utuh. Anotasi disimpan apa adanya di berkas anotasi dan tidak dapat disunting.</translation>
    </message>
    <message>
        <source>无法读取的批注</source>
        <translation>anotasi tak terbaca</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationStore</name>
    <message>
        <source>文件过大</source>
        <translation>Berkas terlalu besar</translation>
    </message>
    <message>
        <source>批注文件存在但无法读取：%1</source>
        <translation>Berkas anotasi ada tetapi tidak dapat dibaca: %1</translation>
    </message>
    <message>
        <source>当前目录不可写。批注将暂存内存，关闭前请导出。</source>
        <translation>Folder saat ini tidak dapat ditulisi. Anotasi disimpan sementara di memori; ekspor sebelum menutup.</translation>
    </message>
    <message>
        <source>导出路径与源文件相同。为守住「绝不写源文件」的边界，已中止。</source>
        <translation>Jalur ekspor sama dengan berkas sumber. Dibatalkan demi aturan “jangan pernah menulis berkas sumber”.</translation>
    </message>
    <message>
        <source>导出路径与批注文件相同，已中止。</source>
        <translation>Jalur ekspor sama dengan berkas anotasi, dibatalkan.</translation>
    </message>
    <message>
        <source>Dovrix 批注汇总（共 %1 条）

</source>
        <translation>Ringkasan anotasi Dovrix (total %1)

</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——
</source>
        <translation>—— Halaman %1 ——
</translation>
    </message>
    <message>
        <source>文本锚定 </source>
        <translation>Jangkar teks </translation>
    </message>
    <message>
        <source>(位置 p%1 x%2 y%3)</source>
        <translation>(posisi p%1 x%2 y%3)</translation>
    </message>
    <message>
        <source>注：批注仅保存在本地 sidecar 文件，用 Adobe 等其他阅读器打开源文件不可见。
</source>
        <translation>Catatan: anotasi hanya disimpan di berkas sidecar lokal, tidak terlihat bila berkas sumber dibuka di pembaca lain seperti Adobe.
</translation>
    </message>
    <message>
        <source>批注文件与源文件是同一个文件，不会写入。批注将暂存内存，关闭前请导出。</source>
        <translation>Berkas anotasi adalah berkas sumber itu sendiri dan tidak ditulis. Anotasi disimpan sementara di memori; ekspor sebelum menutup.</translation>
    </message>
    <message>
        <source>批注文件的位置被一个文件夹占用。批注将暂存内存，关闭前请导出。</source>
        <translation>Ada folder di tempat berkas anotasi. Anotasi disimpan sementara di memori; ekspor sebelum menutup.</translation>
    </message>
    <message>
        <source>无法备份读不懂的批注文件，为免覆盖已停止保存。批注将暂存内存，关闭前请导出。</source>
        <translation>Berkas anotasi yang tidak terbaca tidak dapat dicadangkan, jadi penyimpanan dihentikan agar tidak menimpanya. Anotasi disimpan sementara di memori; ekspor sebelum menutup.</translation>
    </message>
    <message>
        <source>批注保存失败：%1。批注将暂存内存，关闭前请导出。</source>
        <translation>Gagal menyimpan anotasi: %1. Anotasi disimpan sementara di memori; ekspor sebelum menutup.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，无法在旁边保存批注文件。批注将暂存内存，关闭前请导出。</source>
        <translation>Nama berkas berisi karakter yang tidak dapat dikenali, sehingga berkas anotasi tidak dapat disimpan di sebelahnya. Anotasi disimpan sementara di memori; ekspor sebelum menutup.</translation>
    </message>
    <message>
        <source>此批注文件由更新版本的 Dovrix 写入，已以只读方式打开：改动不会保存。</source>
        <translation>Berkas anotasi ini ditulis oleh versi Dovrix yang lebih baru. Dibuka hanya-baca: perubahan tidak disimpan.</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkListPanel</name>
    <message>
        <source>重命名</source>
        <translation>Ganti nama</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>还没有书签。按 Ctrl+D 为当前位置添加书签。</source>
        <translation>Belum ada penanda. Tekan Ctrl+D untuk menandai posisi saat ini.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Halaman %1</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkPanel</name>
    <message>
        <source>此文档没有内嵌目录（章节/书签）。
阅读进度仍会按内容自动记忆。</source>
        <translation>Dokumen ini tidak memiliki daftar isi tertanam (bab/penanda).
Kemajuan membaca tetap diingat otomatis berdasarkan isi.</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentAnnotationModel</name>
    <message>
        <source>文字框</source>
        <translation>Kotak teks</translation>
    </message>
    <message>
        <source>波浪线</source>
        <translation>Garis bergelombang</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>Garis</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>Elips</translation>
    </message>
    <message>
        <source>手绘</source>
        <translation>Gambar tangan</translation>
    </message>
    <message>
        <source>多边形</source>
        <translation>Poligon</translation>
    </message>
    <message>
        <source>折线</source>
        <translation>Polilin</translation>
    </message>
    <message>
        <source>图章</source>
        <translation>Stempel</translation>
    </message>
    <message>
        <source>插入符</source>
        <translation>Tanda sisip</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Halaman %1</translation>
    </message>
    <message>
        <source>文件附件</source>
        <translation>Berkas lampiran</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentController</name>
    <message>
        <source>文件打开耗时过长。</source>
        <translation>Berkas terlalu lama dibuka.</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentPropertiesDialog</name>
    <message>
        <source>未知</source>
        <translation>Tidak diketahui</translation>
    </message>
    <message>
        <source>%1（%2 字节）</source>
        <translation>%1 (%2 byte)</translation>
    </message>
    <message>
        <source>大小不一（%1 种）</source>
        <translation>Campuran (%1 ukuran)</translation>
    </message>
    <message>
        <source>保存副本…</source>
        <translation>Simpan salinan…</translation>
    </message>
    <message>
        <source>文档属性 — %1</source>
        <translation>Properti dokumen — %1</translation>
    </message>
    <message>
        <source>全部复制</source>
        <translation>Salin semua</translation>
    </message>
    <message>
        <source>概要</source>
        <translation>Umum</translation>
    </message>
    <message>
        <source>所有页面</source>
        <translation>Semua halaman</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Halaman %1</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Fon</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Jenis</translation>
    </message>
    <message>
        <source>嵌入</source>
        <translation>Tertanam</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Ukuran</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Lokasi</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Deskripsi</translation>
    </message>
    <message>
        <source>附件只会另存为副本，Dovrix 不会打开或运行它们。</source>
        <translation>Lampiran hanya disimpan sebagai salinan; Dovrix tidak pernah membuka atau menjalankannya.</translation>
    </message>
    <message>
        <source>附件</source>
        <translation>Lampiran</translation>
    </message>
    <message>
        <source>标题</source>
        <translation>Judul</translation>
    </message>
    <message>
        <source>作者</source>
        <translation>Penulis</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Subjek</translation>
    </message>
    <message>
        <source>关键词</source>
        <translation>Kata kunci</translation>
    </message>
    <message>
        <source>创建程序</source>
        <translation>Pembuat</translation>
    </message>
    <message>
        <source>PDF 生成器</source>
        <translation>Produser PDF</translation>
    </message>
    <message>
        <source>创建时间</source>
        <translation>Dibuat</translation>
    </message>
    <message>
        <source>修改时间</source>
        <translation>Diubah</translation>
    </message>
    <message>
        <source>PDF 版本</source>
        <translation>Versi PDF</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>Halaman</translation>
    </message>
    <message>
        <source>页面大小</source>
        <translation>Ukuran halaman</translation>
    </message>
    <message>
        <source>文件大小</source>
        <translation>Ukuran berkas</translation>
    </message>
    <message>
        <source>加密</source>
        <translation>Enkripsi</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Tidak ada</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>mencetak</translation>
    </message>
    <message>
        <source>复制文本</source>
        <translation>menyalin teks</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>mengubah</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>membuat anotasi</translation>
    </message>
    <message>
        <source>填写表单</source>
        <translation>mengisi formulir</translation>
    </message>
    <message>
        <source>声明的权限</source>
        <translation>Izin yang dinyatakan</translation>
    </message>
    <message>
        <source>允许：%1
不允许：%2</source>
        <translation>Diizinkan: %1
Tidak diizinkan: %2</translation>
    </message>
    <message>
        <source>带标签</source>
        <translation>Bertag</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Ya</translation>
    </message>
    <message>
        <source>否</source>
        <translation>Tidak</translation>
    </message>
    <message>
        <source>脚本</source>
        <translation>Skrip</translation>
    </message>
    <message>
        <source>文档含有 JavaScript，Dovrix 不会运行它。</source>
        <translation>Dokumen berisi JavaScript; Dovrix tidak menjalankannya.</translation>
    </message>
    <message>
        <source>附件（%1）</source>
        <translation>Lampiran (%1)</translation>
    </message>
    <message>
        <source>保存附件副本</source>
        <translation>Simpan salinan lampiran</translation>
    </message>
    <message>
        <source>附件已损坏，无法读取。</source>
        <translation>Lampiran rusak dan tidak dapat dibaca.</translation>
    </message>
    <message>
        <source>已保存副本：
%1</source>
        <translation>Salinan disimpan:
%1</translation>
    </message>
    <message>
        <source>附件未能保存：%1</source>
        <translation>Lampiran tidak dapat disimpan: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentSession</name>
    <message>
        <source>新文档</source>
        <translation>Dokumen baru</translation>
    </message>
</context>
<context>
    <name>dovrix::ExportCommands</name>
    <message>
        <source>打印</source>
        <translation>Cetak</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>Ekspor selesai</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。</source>
        <translation>Diekspor ke:
%1

Berkas sumber tidak diubah.</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>导出当前页为 PNG</source>
        <translation>Ekspor halaman saat ini ke PNG</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>Gambar PNG (*.png)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>Ekspor gagal</translation>
    </message>
    <message>
        <source>页面渲染失败，请重试。</source>
        <translation>Gagal merender halaman, coba lagi.</translation>
    </message>
    <message>
        <source>导出全文文本（阅读顺序）</source>
        <translation>Ekspor teks lengkap (urutan baca)</translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>Berkas teks (*.txt)</translation>
    </message>
    <message>
        <source>批注汇总</source>
        <translation>Ringkasan anotasi</translation>
    </message>
    <message>
        <source>当前文档暂无批注。</source>
        <translation>Dokumen ini belum memiliki anotasi.</translation>
    </message>
    <message>
        <source>导出批注汇总</source>
        <translation>Ekspor ringkasan anotasi</translation>
    </message>
    <message>
        <source>导出含批注的 PDF</source>
        <translation>Ekspor PDF dengan anotasi</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf)</source>
        <translation>Dokumen PDF (*.pdf)</translation>
    </message>
    <message>
        <source>正在导出含批注的 PDF…</source>
        <translation>Mengekspor PDF dengan anotasi…</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已嵌入副本，用 Adobe/WPS/浏览器打开即可看到。
（副本为逐页渲染的平面化 PDF：外观一致，但文字不可再选中）</source>
        <translation>Diekspor ke:
%1

Berkas sumber tidak diubah. Anotasi telah disematkan ke salinan dan terlihat di Adobe/WPS/peramban.
(Salinan berupa PDF datar yang dirender per halaman: tampilannya sama, tetapi teks tidak bisa dipilih lagi)</translation>
    </message>
    <message>
        <source>正在打印…</source>
        <translation>Mencetak…</translation>
    </message>
    <message>
        <source>已发送 %1 页到打印机。</source>
        <translation>%1 halaman telah dikirim ke pencetak.</translation>
    </message>
    <message>
        <source>页面渲染失败，打印已中止。</source>
        <translation>Gagal merender halaman, pencetakan dibatalkan.</translation>
    </message>
    <message>
        <source>无法启动打印任务。</source>
        <translation>Tidak dapat memulai tugas cetak.</translation>
    </message>
    <message>
        <source>正在按阅读顺序导出文本…
第 %1 / %2 页</source>
        <translation>Mengekspor teks sesuai urutan baca…
Halaman %1 dari %2</translation>
    </message>
    <message>
        <source>导出平面化副本（图片）</source>
        <translation>Ekspor salinan datar (gambar)</translation>
    </message>
    <message>
        <source>打印到 PDF 文件</source>
        <translation>Cetak ke berkas PDF</translation>
    </message>
    <message>
        <source>批注与缩放</source>
        <translation>Anotasi dan skala</translation>
    </message>
    <message>
        <source>连同我的批注</source>
        <translation>Dengan anotasi</translation>
    </message>
    <message>
        <source>适合纸张</source>
        <translation>Sesuaikan dengan kertas</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>Ukuran sebenarnya</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已作为标准 PDF 批注写入副本，其他阅读器也能看到；文字、链接和目录都保留。</source>
        <translation>Diekspor ke:
%1

Berkas sumber tidak diubah. Anotasi ada di salinan sebagai anotasi PDF standar yang juga tampil di pembaca lain; teks, tautan, dan daftar isi tetap ada.</translation>
    </message>
    <message>
        <source>打印服务没有接受这个任务：%1
没有丢失任何内容；可以再试一次，或打印到文件。</source>
        <translation>Layanan cetak tidak menerima pekerjaan ini: %1
Tidak ada yang hilang; coba lagi, atau cetak ke berkas.</translation>
    </message>
    <message>
        <source>无法读取源文件：%1</source>
        <translation>Tidak dapat membaca berkas sumber: %1</translation>
    </message>
    <message>
        <source>无法写入 %1：
%2

没有留下不完整的文件，源文件未被修改。</source>
        <translation>Tidak dapat menulis %1:
%2

Tidak ada berkas setengah jadi yang tertinggal; berkas sumber tidak diubah.</translation>
    </message>
    <message>
        <source>没有找到打印服务（CUPS）。
要把文档打印成 PDF 文件吗？</source>
        <translation>Tidak ditemukan layanan cetak (CUPS).
Cetak dokumen ke berkas PDF saja?</translation>
    </message>
</context>
<context>
    <name>dovrix::FormLayer</name>
    <message>
        <source>签名字段（仅显示）</source>
        <translation>Kolom tanda tangan (hanya tampil)</translation>
    </message>
    <message>
        <source>此表单的脚本不会运行：需由文档计算或格式化的字段保留您输入的内容。</source>
        <translation>Skrip formulir ini tidak dijalankan: kolom yang akan dihitung atau diformat oleh dokumen tetap berisi yang Anda ketik.</translation>
    </message>
    <message>
        <source>签名字段仅供查看，Dovrix 不签名文档。</source>
        <translation>Kolom tanda tangan hanya ditampilkan; Dovrix tidak menandatangani dokumen.</translation>
    </message>
</context>
<context>
    <name>dovrix::MainWindow</name>
    <message>
        <source>侧边栏</source>
        <translation>Bilah sisi</translation>
    </message>
    <message>
        <source>后退（视图历史）</source>
        <translation>Kembali (riwayat tampilan)</translation>
    </message>
    <message>
        <source>前进（视图历史）</source>
        <translation>Maju (riwayat tampilan)</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>打开 PDF（每个文档一个标签页）</source>
        <translation>Buka PDF (satu tab per dokumen)</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Cetak</translation>
    </message>
    <message>
        <source>打印（Ctrl+P）</source>
        <translation>Cetak (Ctrl+P)</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Ekspor</translation>
    </message>
    <message>
        <source>导出为新文件（不修改源文件）</source>
        <translation>Ekspor ke berkas baru (berkas sumber tidak diubah)</translation>
    </message>
    <message>
        <source>当前页为图片（PNG 300 DPI）…</source>
        <translation>Halaman saat ini sebagai gambar (PNG 300 DPI)…</translation>
    </message>
    <message>
        <source>全文文本（TXT，按阅读顺序）…</source>
        <translation>Teks lengkap (TXT, urutan baca)…</translation>
    </message>
    <message>
        <source>批注汇总（TXT）…</source>
        <translation>Ringkasan anotasi (TXT)…</translation>
    </message>
    <message>
        <source>含批注的 PDF（副本）…</source>
        <translation>PDF dengan anotasi (salinan)…</translation>
    </message>
    <message>
        <source>把当前批注嵌入一个新 PDF，Adobe/WPS 可见；源文件保持不变</source>
        <translation>Menyematkan anotasi saat ini ke PDF baru yang terlihat di Adobe/WPS; berkas sumber tetap utuh</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>Anotasi</translation>
    </message>
    <message>
        <source>批注模式（A）：高亮 / 下划线 / 删除线 / 便签 / 矩形 / 箭头</source>
        <translation>Mode anotasi (A): sorot / garis bawah / coret / catatan / persegi panjang / panah</translation>
    </message>
    <message>
        <source>旋转90°</source>
        <translation>Putar 90°</translation>
    </message>
    <message>
        <source>临时旋转 90°（仅本次查看）</source>
        <translation>Putar sementara 90° (hanya untuk tampilan ini)</translation>
    </message>
    <message>
        <source>搜索文档 · Ctrl+F</source>
        <translation>Cari di dokumen · Ctrl+F</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>浅色</source>
        <translation>Terang</translation>
    </message>
    <message>
        <source>纸感</source>
        <translation>Kertas</translation>
    </message>
    <message>
        <source>深色</source>
        <translation>Gelap</translation>
    </message>
    <message>
        <source>午夜</source>
        <translation>Tengah malam</translation>
    </message>
    <message>
        <source>高对比</source>
        <translation>Kontras tinggi</translation>
    </message>
    <message>
        <source>切换界面语言</source>
        <translation>Ganti bahasa antarmuka</translation>
    </message>
    <message>
        <source>主页</source>
        <translation>Beranda</translation>
    </message>
    <message>
        <source>打开 Dovrix 主页</source>
        <translation>Buka beranda Dovrix</translation>
    </message>
    <message>
        <source>打开 PDF 开始阅读。Dovrix 是只读查看器，不会修改源文件。
支持同时打开多个文档（标签页）。</source>
        <translation>Buka PDF untuk mulai membaca. Dovrix adalah penampil baca-saja yang tidak mengubah berkas sumber.
Bisa membuka beberapa dokumen sekaligus (dalam tab).</translation>
    </message>
    <message>
        <source>打开 PDF…</source>
        <translation>Buka PDF…</translation>
    </message>
    <message>
        <source>最近文件</source>
        <translation>Berkas terbaru</translation>
    </message>
    <message>
        <source>清空最近记录</source>
        <translation>Hapus daftar terbaru</translation>
    </message>
    <message>
        <source>源文件已被外部修改。重新载入将显示最新内容。</source>
        <translation>Berkas sumber telah diubah dari luar. Muat ulang untuk menampilkan isi terbaru.</translation>
    </message>
    <message>
        <source>重新载入</source>
        <translation>Muat ulang</translation>
    </message>
    <message>
        <source>忽略</source>
        <translation>Abaikan</translation>
    </message>
    <message>
        <source>Dovrix 一个快如闪电的阅读器</source>
        <translation>Dovrix — pembaca secepat kilat</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Perkecil</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Perbesar</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>Sesuaikan lebar</translation>
    </message>
    <message>
        <source>切换单页 / 连续滚动</source>
        <translation>Beralih satu halaman / gulir bersambung</translation>
    </message>
    <message>
        <source>&amp;打开…</source>
        <translation>&amp;Buka…</translation>
    </message>
    <message>
        <source>关闭文档</source>
        <translation>Tutup dokumen</translation>
    </message>
    <message>
        <source>下一个标签页</source>
        <translation>Tab berikutnya</translation>
    </message>
    <message>
        <source>&amp;打印…</source>
        <translation>&amp;Cetak…</translation>
    </message>
    <message>
        <source>私密模式</source>
        <translation>Mode pribadi</translation>
    </message>
    <message>
        <source>下一个搜索结果</source>
        <translation>Hasil pencarian berikutnya</translation>
    </message>
    <message>
        <source>上一个搜索结果</source>
        <translation>Hasil pencarian sebelumnya</translation>
    </message>
    <message>
        <source>复制所选文本</source>
        <translation>Salin teks terpilih</translation>
    </message>
    <message>
        <source>单页模式</source>
        <translation>Mode satu halaman</translation>
    </message>
    <message>
        <source>临时旋转 90°</source>
        <translation>Putar sementara 90°</translation>
    </message>
    <message>
        <source>适应页面</source>
        <translation>Sesuaikan halaman</translation>
    </message>
    <message>
        <source>实际大小（100%）</source>
        <translation>Ukuran sebenarnya (100%)</translation>
    </message>
    <message>
        <source>批注模式</source>
        <translation>Mode anotasi</translation>
    </message>
    <message>
        <source>打开 PDF</source>
        <translation>Buka PDF</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf);;所有文件 (*)</source>
        <translation>Dokumen PDF (*.pdf);;Semua berkas (*)</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>Gagal membuka</translation>
    </message>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>Berkas tidak ada atau tidak dapat diakses.</translation>
    </message>
    <message>
        <source>● 批注与当前文档内容不一致，矩形锚定可能漂移</source>
        <translation>● Anotasi tidak cocok dengan isi dokumen saat ini, jangkar persegi panjang mungkin bergeser</translation>
    </message>
    <message>
        <source>缩略图</source>
        <translation>Gambar mini</translation>
    </message>
    <message>
        <source>目录</source>
        <translation>Daftar isi</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>Pencarian</translation>
    </message>
    <message>
        <source>文档</source>
        <translation>Dokumen</translation>
    </message>
    <message>
        <source>正在打开文档…</source>
        <translation>Membuka dokumen…</translation>
    </message>
    <message>
        <source>口令不正确，请重试</source>
        <translation>Kata sandi salah, coba lagi</translation>
    </message>
    <message>
        <source>该文档已加密</source>
        <translation>Dokumen ini terenkripsi</translation>
    </message>
    <message>
        <source>请输入打开口令（Dovrix 不支持破解或移除权限）：</source>
        <translation>Masukkan kata sandi pembuka (Dovrix tidak mendukung pembobolan atau penghapusan izin):</translation>
    </message>
    <message>
        <source>● 源文件已被外部修改</source>
        <translation>● Berkas sumber diubah dari luar</translation>
    </message>
    <message>
        <source>● 只读：源文件哈希未变</source>
        <translation>● Baca-saja: hash berkas sumber tidak berubah</translation>
    </message>
    <message>
        <source>SHA-256：%1
Dovrix 不会修改源文件。</source>
        <translation>SHA-256: %1
Dovrix tidak mengubah berkas sumber.</translation>
    </message>
    <message>
        <source>● 私密模式：开</source>
        <translation>● Mode pribadi: aktif</translation>
    </message>
    <message>
        <source>私密模式：关</source>
        <translation>Mode pribadi: nonaktif</translation>
    </message>
    <message>
        <source>私密模式：不写入最近文件与缩略图缓存</source>
        <translation>Mode pribadi: tidak menulis ke daftar berkas terbaru dan cache gambar mini</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——</source>
        <translation>—— Halaman %1 ——</translation>
    </message>
    <message>
        <source>（本页为扫描图像，无文本层）</source>
        <translation>(Halaman ini berupa gambar pindaian, tanpa lapisan teks)</translation>
    </message>
    <message>
        <source>（本页部分文本可能不可靠）</source>
        <translation>(Sebagian teks di halaman ini mungkin tidak akurat)</translation>
    </message>
    <message>
        <source>高亮（H）</source>
        <translation>Sorot (H)</translation>
    </message>
    <message>
        <source>下划线（U）</source>
        <translation>Garis bawah (U)</translation>
    </message>
    <message>
        <source>删除线（S）</source>
        <translation>Coret (S)</translation>
    </message>
    <message>
        <source>便签（N）</source>
        <translation>Catatan (N)</translation>
    </message>
    <message>
        <source>矩形（B）</source>
        <translation>Persegi panjang (B)</translation>
    </message>
    <message>
        <source>箭头（L）</source>
        <translation>Panah (L)</translation>
    </message>
    <message>
        <source>转到页面…</source>
        <translation>Buka halaman…</translation>
    </message>
    <message>
        <source>输入页码或页标签后按回车跳转（Ctrl+G）</source>
        <translation>Ketik nomor atau label halaman lalu tekan Enter (Ctrl+G)</translation>
    </message>
    <message>
        <source>正在离线 OCR…</source>
        <translation>OCR luring sedang berjalan…</translation>
    </message>
    <message>
        <source>正在离线 OCR：已完成 %1/%2 页，预计还需约 %3 秒…</source>
        <translation>OCR luring sedang berjalan: %1/%2 halaman selesai, sekitar %3 dtk lagi…</translation>
    </message>
    <message>
        <source>（以下为 OCR 识别文本）</source>
        <translation>(Berikut teks hasil pengenalan OCR)</translation>
    </message>
    <message>
        <source>全屏阅读 · F11 或 Esc 退出</source>
        <translation>Layar penuh · F11 atau Esc untuk keluar</translation>
    </message>
    <message>
        <source>切换页面颜色</source>
        <translation>Ganti warna halaman</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Layar penuh</translation>
    </message>
    <message>
        <source>双页显示</source>
        <translation>Tampilan dua halaman</translation>
    </message>
    <message>
        <source>首页单独显示</source>
        <translation>Halaman pertama tersendiri</translation>
    </message>
    <message>
        <source>双页</source>
        <translation>Dua halaman</translation>
    </message>
    <message>
        <source>双页并排（D）</source>
        <translation>Dua halaman berdampingan (D)</translation>
    </message>
    <message>
        <source>页面颜色</source>
        <translation>Warna halaman</translation>
    </message>
    <message>
        <source>页面颜色（Ctrl+Alt+N）：夜间模式反转明暗、保留色相</source>
        <translation>Warna halaman (Ctrl+Alt+N): mode malam membalik terang dan gelap serta mempertahankan rona</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>夜间</source>
        <translation>Malam</translation>
    </message>
    <message>
        <source>棕褐</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>跟随主题</source>
        <translation>Ikuti tema</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，程序无法读取该文件。请将文件重命名后再打开。</source>
        <translation>Nama berkas berisi karakter yang tidak dapat dikenali, sehingga program tidak dapat membaca berkas ini. Ganti nama berkas lalu buka kembali.</translation>
    </message>
    <message>
        <source>平面化副本（图片）…</source>
        <translation>Salinan datar (gambar)…</translation>
    </message>
    <message>
        <source>PNG 含我的批注</source>
        <translation>PNG dengan anotasi saya</translation>
    </message>
    <message>
        <source>文档属性…</source>
        <translation>Properti dokumen…</translation>
    </message>
    <message>
        <source>重置表单</source>
        <translation>Atur ulang formulir</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>Penanda</translation>
    </message>
    <message>
        <source>没有可以打开网页的浏览器。Dovrix 主页：%1</source>
        <translation>Tidak ada peramban yang dapat membuka halaman. Beranda Dovrix: %1</translation>
    </message>
    <message>
        <source>识别文字（OCR）</source>
        <translation>Kenali teks (OCR)</translation>
    </message>
    <message>
        <source>本页</source>
        <translation>Halaman ini</translation>
    </message>
    <message>
        <source>所有没有文字的页</source>
        <translation>Semua halaman tanpa teks</translation>
    </message>
    <message>
        <source>打开文档后，此处显示
%1</source>
        <translation>Setelah dokumen dibuka, di sini akan tampil
%1</translation>
    </message>
</context>
<context>
    <name>dovrix::NavigationCommands</name>
    <message>
        <source>缩放 %1%</source>
        <translation>Zoom %1%</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrCommands</name>
    <message>
        <source>OCR 已取消</source>
        <translation>OCR dibatalkan</translation>
    </message>
    <message>
        <source>OCR 完成：%1 页</source>
        <translation>OCR selesai: %1 halaman</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 失败：%2</source>
        <translation>OCR halaman %1 gagal: %2</translation>
    </message>
    <message>
        <source>OCR 不可用</source>
        <translation>OCR tidak tersedia</translation>
    </message>
    <message>
        <source>正在查找没有文字的页…</source>
        <translation>Mencari halaman tanpa teks…</translation>
    </message>
    <message>
        <source>每一页都有文字，无需识别</source>
        <translation>Setiap halaman sudah berisi teks; tidak ada yang perlu dikenali</translation>
    </message>
    <message>
        <source>本页没有文字层 · %1 识别文字</source>
        <translation>Halaman ini tidak punya lapisan teks · %1 mengenali teksnya</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 完成：识别 %2 行文本</source>
        <translation>OCR halaman %1 selesai: %2 baris teks dikenali</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrController</name>
    <message>
        <source>页面渲染失败</source>
        <translation>Gagal merender halaman</translation>
    </message>
    <message>
        <source>OCR 引擎初始化失败</source>
        <translation>Gagal menginisialisasi mesin OCR</translation>
    </message>
    <message>
        <source>OCR 引擎不可用</source>
        <translation>Mesin OCR tidak tersedia</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrEngine</name>
    <message>
        <source>OCR 初始化失败：%1</source>
        <translation>Gagal menginisialisasi OCR: %1</translation>
    </message>
    <message>
        <source>未找到检测模型：%1（%2）</source>
        <translation>Model deteksi tidak ditemukan: %1 (%2)</translation>
    </message>
    <message>
        <source>未找到识别模型：%1（%2）</source>
        <translation>Model pengenalan tidak ditemukan: %1 (%2)</translation>
    </message>
    <message>
        <source>识别模型缺少内嵌词典（character 元数据）。</source>
        <translation>Model pengenalan tidak memiliki kamus tertanam (metadata character).</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrRuntime</name>
    <message>
        <source>onnxruntime.dll 缺少 OrtGetApiBase 导出。</source>
        <translation>onnxruntime.dll tidak memiliki ekspor OrtGetApiBase.</translation>
    </message>
    <message>
        <source>onnxruntime API 版本不匹配（需要 OrtApi v%1）。</source>
        <translation>Versi API onnxruntime tidak cocok (memerlukan OrtApi v%1).</translation>
    </message>
    <message>
        <source>无法加载 onnxruntime.dll，OCR 不可用。已尝试：%1</source>
        <translation>Tidak dapat memuat onnxruntime.dll, OCR tidak tersedia. Telah dicoba: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::PdfViewport</name>
    <message>
        <source>临时旋转 %1°（仅本次查看）</source>
        <translation>Putar sementara %1° (hanya untuk tampilan ini)</translation>
    </message>
</context>
<context>
    <name>dovrix::QtSpeechEngine</name>
    <message>
        <source>没有安装语音合成引擎（例如 Qt 语音的 flite 插件）。</source>
        <translation>Tidak ada penyintesis suara yang terpasang (misalnya plugin flite dari Qt Speech).</translation>
    </message>
    <message>
        <source>语音合成引擎无法使用：%1</source>
        <translation>Penyintesis suara tidak dapat digunakan: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::SearchPanel</name>
    <message>
        <source>未找到结果。若该文档是扫描图像（无文本层），可在 OCR 后搜索与复制。</source>
        <translation>Tidak ada hasil. Jika dokumen ini berupa gambar pindaian (tanpa lapisan teks), Anda dapat mencari dan menyalin setelah OCR.</translation>
    </message>
    <message>
        <source>OCR 此文档…</source>
        <translation>OCR dokumen ini…</translation>
    </message>
    <message>
        <source>输入关键字开始搜索（Ctrl+F）</source>
        <translation>Ketik kata kunci untuk mulai mencari (Ctrl+F)</translation>
    </message>
    <message>
        <source>“%1”无命中</source>
        <translation>“%1”: tidak ada hasil</translation>
    </message>
    <message>
        <source>正在搜索“%1”…</source>
        <translation>Mencari “%1”…</translation>
    </message>
    <message>
        <source>“%1”无命中。</source>
        <translation>“%1”: tidak ada hasil.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Halaman %1</translation>
    </message>
    <message>
        <source>(OCR 文本)</source>
        <translation>(teks OCR)</translation>
    </message>
    <message>
        <source>(文本尚未加载)</source>
        <translation>(teks belum dimuat)</translation>
    </message>
    <message>
        <source>第 %1 页%2</source>
        <translation>Halaman %1%2</translation>
    </message>
    <message numerus="yes">
        <source>“%1”：共 %n 处命中</source>
        <translation>
            <numerusform>“%1”: %n hasil</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>正在搜索“%1”… 已搜索 %2 / %3 页，当前命中 %n 处</source>
        <translation>
            <numerusform>Mencari “%1”… %2 dari %3 halaman dicari, sejauh ini %n hasil</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dovrix::SingleInstance</name>
    <message>
        <source>已运行的 Dovrix 窗口一次最多接收 %1 个文件，未打开任何文件。</source>
        <translation>Jendela Dovrix yang berjalan menerima paling banyak %1 berkas sekaligus; tidak ada berkas yang dibuka.</translation>
    </message>
</context>
<context>
    <name>dovrix::StartUp</name>
    <message>
        <source>Dovrix —— 纯只读 PDF 查看器：离线、零遥测、不修改源文件。</source>
        <translation>Dovrix — penampil PDF hanya-baca: luring, tanpa telemetri, tidak pernah mengubah berkas sumber.</translation>
    </message>
    <message>
        <source>要打开的 PDF 文件。</source>
        <translation>Berkas PDF yang akan dibuka.</translation>
    </message>
    <message>
        <source>文档打开后自动对指定页执行 OCR（调试/CI）。</source>
        <translation>Kenali teks halaman ini segera setelah dokumen terbuka (untuk debug dan proses otomatis).</translation>
    </message>
    <message>
        <source>打开到指定页：从 1 开始的页码，或文档自己的页标签（如 iv）。</source>
        <translation>Buka di halaman ini: nomor halaman mulai dari 1, atau label halaman milik dokumen (misalnya iv).</translation>
    </message>
    <message>
        <source>打开后搜索此文本，并转到第一处命中。</source>
        <translation>Cari teks ini setelah dokumen terbuka dan tuju hasil pertama.</translation>
    </message>
    <message>
        <source>SyncTeX 正向搜索：滚动到 TeX 源文件该行排版的位置并闪烁标出。</source>
        <translation>Pencarian maju SyncTeX: gulir ke tempat baris sumber TeX ini disusun dan tandai sebentar.</translation>
    </message>
    <message>
        <source>用于打开 PDF 的引擎：mupdf（默认）或 qtpdf（用于比较与问题报告）。</source>
        <translation>Mesin yang membuka berkas PDF: mupdf (bawaan) atau qtpdf (untuk perbandingan dan laporan bug).</translation>
    </message>
</context>
<context>
    <name>dovrix::StudyTools</name>
    <message>
        <source>慢</source>
        <translation>Lambat</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>快</source>
        <translation>Cepat</translation>
    </message>
    <message>
        <source>朗读完毕</source>
        <translation>Selesai membacakan</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Alat</translation>
    </message>
    <message>
        <source>书签、朗读与 SyncTeX</source>
        <translation>Markah, bacakan, dan SyncTeX</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>Markah</translation>
    </message>
    <message>
        <source>添加书签</source>
        <translation>Tambah markah</translation>
    </message>
    <message>
        <source>重命名书签</source>
        <translation>Ganti nama markah</translation>
    </message>
    <message>
        <source>删除书签</source>
        <translation>Hapus markah</translation>
    </message>
    <message>
        <source>朗读</source>
        <translation>Bacakan</translation>
    </message>
    <message>
        <source>从当前页朗读</source>
        <translation>Bacakan dari halaman ini</translation>
    </message>
    <message>
        <source>停止朗读</source>
        <translation>Hentikan pembacaan</translation>
    </message>
    <message>
        <source>语速</source>
        <translation>Kecepatan</translation>
    </message>
    <message>
        <source>声音</source>
        <translation>Suara</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令…</source>
        <translation>Perintah editor untuk pencarian balik…</translation>
    </message>
    <message>
        <source>未设置反向搜索的编辑器命令（工具 → 反向搜索编辑器命令…）</source>
        <translation>Perintah editor untuk pencarian balik belum diatur (Alat → Perintah editor untuk pencarian balik…)</translation>
    </message>
    <message>
        <source>SyncTeX 数据中没有 %1 第 %2 行的位置</source>
        <translation>Data SyncTeX tidak memiliki posisi untuk baris %2 dari %1</translation>
    </message>
    <message>
        <source>此文档旁没有 SyncTeX 文件（.synctex.gz 或 .synctex）</source>
        <translation>Tidak ada berkas SyncTeX di samping dokumen ini (.synctex.gz atau .synctex)</translation>
    </message>
    <message>
        <source>SyncTeX 文件已损坏，无法读取</source>
        <translation>Berkas SyncTeX rusak dan tidak dapat dibaca</translation>
    </message>
    <message>
        <source>SyncTeX 文件与此 PDF 不是同一次编译生成的，请重新编译</source>
        <translation>Berkas SyncTeX berasal dari kompilasi lain PDF ini; kompilasi ulang</translation>
    </message>
    <message>
        <source>此处没有对应的源文件位置</source>
        <translation>Tidak ada posisi sumber yang sesuai dengan tempat ini</translation>
    </message>
    <message>
        <source>无法启动编辑器：%1</source>
        <translation>Tidak dapat menjalankan editor: %1</translation>
    </message>
    <message>
        <source>已在编辑器中打开 %1 第 %2 行</source>
        <translation>%1 dibuka pada baris %2 di editor</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令</source>
        <translation>Perintah editor untuk pencarian balik</translation>
    </message>
    <message>
        <source>Ctrl+单击页面时运行的命令（%f 文件，%l 行，%c 列），例如：editor +%l %f</source>
        <translation>Perintah yang dijalankan saat Ctrl+klik pada halaman (%f berkas, %l baris, %c kolom), misalnya: editor +%l %f</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>Bawaan</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Halaman %1</translation>
    </message>
    <message>
        <source>已添加书签“%1”</source>
        <translation>Markah “%1” ditambahkan</translation>
    </message>
    <message>
        <source>书签名称：</source>
        <translation>Nama markah:</translation>
    </message>
    <message>
        <source>继续朗读</source>
        <translation>Lanjutkan pembacaan</translation>
    </message>
    <message>
        <source>暂停朗读</source>
        <translation>Jeda pembacaan</translation>
    </message>
    <message>
        <source>SyncTeX 文件解压后超过 %1 MB，已拒绝读取</source>
        <translation>Berkas SyncTeX melebihi %1 MB setelah diekstrak; ditolak tanpa dibaca</translation>
    </message>
    <message>
        <source>SyncTeX 文件使读取程序崩溃或耗尽内存，已拒绝该文件</source>
        <translation>Berkas SyncTeX membuat pembacanya mogok atau kehabisan memori; berkas ditolak</translation>
    </message>
    <message>
        <source>读取 SyncTeX 文件超时，已拒绝该文件</source>
        <translation>Membaca berkas SyncTeX terlalu lama; berkas ditolak</translation>
    </message>
    <message>
        <source>SyncTeX 文件中的源文件名含有换行或空字符，未交给编辑器</source>
        <translation>Nama berkas sumber di berkas SyncTeX berisi pemisah baris atau karakter NUL; tidak diteruskan ke penyunting</translation>
    </message>
</context>
<context>
    <name>dovrix::TextLayoutStore</name>
    <message>
        <source>存在无法映射的字符（可能缺少 ToUnicode 表）</source>
        <translation>Ada karakter yang tidak dapat dipetakan (mungkin tabel ToUnicode tidak ada)</translation>
    </message>
    <message>
        <source>词间距为几何推断，文本可能被拆碎</source>
        <translation>Spasi antarkata disimpulkan dari geometri, teks mungkin terpecah</translation>
    </message>
    <message>
        <source>页眉/页脚区域</source>
        <translation>Area header/footer</translation>
    </message>
</context>
<context>
    <name>dovrix::ViewCommands</name>
    <message>
        <source>已复制 %1 个字符</source>
        <translation>%1 karakter disalin</translation>
    </message>
    <message>
        <source>原始</source>
        <translation>Asli</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>Sesuaikan lebar</translation>
    </message>
    <message>
        <source>连续</source>
        <translation>Bersambung</translation>
    </message>
    <message>
        <source>单页</source>
        <translation>Satu halaman</translation>
    </message>
</context>
</TS>
