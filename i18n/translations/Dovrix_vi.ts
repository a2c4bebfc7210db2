<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi" sourcelanguage="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>Tệp không tồn tại hoặc không thể truy cập.</translation>
    </message>
    <message>
        <source>文件可能已损坏或不是有效的 PDF。</source>
        <translation>Tệp có thể bị hỏng hoặc không phải là PDF hợp lệ.</translation>
    </message>
    <message>
        <source>文档已加密。</source>
        <translation>Tài liệu đã được mã hóa.</translation>
    </message>
    <message>
        <source>暂不支持该 PDF 加密方式。</source>
        <translation>Chưa hỗ trợ phương thức mã hóa PDF này.</translation>
    </message>
    <message>
        <source>打开文档时出现问题。</source>
        <translation>Đã xảy ra sự cố khi mở tài liệu.</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotatedPdfExporter</name>
    <message>
        <source>第 %1 页渲染失败，导出已中止。</source>
        <translation>Kết xuất trang %1 thất bại, đã dừng xuất.</translation>
    </message>
    <message>
        <source>无法创建输出文件：%1</source>
        <translation>Không thể tạo tệp đầu ra: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCard</name>
    <message>
        <source>⚓ 文本锚定，重排后可重定位</source>
        <translation>⚓ Neo theo văn bản, có thể định vị lại sau khi dàn trang lại</translation>
    </message>
    <message>
        <source>▦ 矩形兜底：重排后位置可能漂移</source>
        <translation>▦ Neo theo hình chữ nhật: vị trí có thể lệch sau khi dàn trang lại</translation>
    </message>
    <message>
        <source>高亮</source>
        <translation>Tô sáng</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>Gạch chân</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>Gạch ngang</translation>
    </message>
    <message>
        <source>便签</source>
        <translation>Ghi chú</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Hình chữ nhật</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Mũi tên</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Xong</translation>
    </message>
    <message>
        <source>删除批注</source>
        <translation>Xóa chú thích</translation>
    </message>
    <message>
        <source>便签内容（可选，其他类型也可备注）</source>
        <translation>Nội dung ghi chú (tùy chọn, loại khác cũng có thể ghi chú)</translation>
    </message>
    <message>
        <source>确认删除这条批注？</source>
        <translation>Xác nhận xóa chú thích này?</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCommands</name>
    <message>
        <source>批注模式已开启：拖选文本或拖框创建批注，单击已有批注可编辑</source>
        <translation>Đã bật chế độ chú thích: kéo chọn văn bản hoặc kéo khung để tạo chú thích, nhấp vào chú thích có sẵn để sửa</translation>
    </message>
    <message>
        <source>批注已保存</source>
        <translation>Đã lưu chú thích</translation>
    </message>
    <message>
        <source>批注保存在本地 sidecar 文件（.dovrixmark）中，
用 Adobe 等其他阅读器打开源文件不可见。

Dovrix 始终不修改源 PDF。</source>
        <translation>Chú thích được lưu trong tệp sidecar cục bộ (.dovrixmark),
không hiển thị khi mở tệp gốc bằng trình đọc khác như Adobe.

Dovrix không bao giờ sửa đổi PDF gốc.</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationPanel</name>
    <message>
        <source>批注仅保存在本地 .dovrixmark 文件，用 Adobe 等其他阅读器打开源文件不可见。</source>
        <translation>Chú thích chỉ được lưu trong tệp .dovrixmark cục bộ, không hiển thị khi mở tệp gốc bằng trình đọc khác như Adobe.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Trang %1</translation>
    </message>
    <message>
        <source>%1 · 第 %2 页 · 颜色 %3%4</source>
        <translation>%1 · trang %2 · màu %3%4</translation>
    </message>
    <message>
        <source>暂无批注。开启批注模式后拖选文本即可创建。</source>
        <translation>Chưa có chú thích. Bật chế độ chú thích rồi kéo chọn văn bản để tạo.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>我的批注</source>
        <translation>Chú thích của tôi</translation>
    </message>
    <message>
        <source>文档中的批注（%1，只读）</source>
        <translation>Trong tài liệu (%1, chỉ đọc)</translation>
    </message>
    <message>
        <source>复制到我的批注</source>
        <translation>Sao chép vào ghi chú của tôi</translation>
    </message>
    <message>
        <source>此类批注无法复制为我的批注。</source>
        <translation>Không thể sao chép loại chú thích này vào ghi chú của tôi.</translation>
    </message>
    <message>
        <source>此批注无法完整读取，已原样保留在批注文件中，不能编辑。</source>
        <translation>Không thể đọc trọn vẹn chú thích này. Nó được giữ nguyên trong tệp chú thích và không thể chỉnh sửa.</translation>
    </message>
    <message>
        <source>无法读取的批注</source>
        <translation>chú thích không đọc được</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationStore</name>
    <message>
        <source>文件过大</source>
        <translation>Tệp quá lớn</translation>
    </message>
    <message>
        <source>批注文件存在但无法读取：%1</source>
        <translation>Tệp chú thích tồn tại nhưng không đọc được: %1</translation>
    </message>
    <message>
        <source>当前目录不可写。批注将暂存内存，关闭前请导出。</source>
        <translation>Thư mục hiện tại không ghi được. Chú thích sẽ tạm lưu trong bộ nhớ, hãy xuất trước khi đóng.</translation>
    </message>
    <message>
        <source>导出路径与源文件相同。为守住「绝不写源文件」的边界，已中止。</source>
        <translation>Đường dẫn xuất trùng với tệp gốc. Đã hủy để giữ nguyên tắc “không bao giờ ghi vào tệp gốc”.</translation>
    </message>
    <message>
        <source>导出路径与批注文件相同，已中止。</source>
        <translation>Đường dẫn xuất trùng với tệp chú thích, đã hủy.</translation>
    </message>
    <message>
        <source>Dovrix 批注汇总（共 %1 条）

</source>
        <translation>Tổng hợp chú thích Dovrix (tổng cộng %1)

</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——
</source>
        <translation>—— Trang %1 ——
</translation>
    </message>
    <message>
        <source>文本锚定 </source>
        <translation>Neo văn bản </translation>
    </message>
    <message>
        <source>(位置 p%1 x%2 y%3)</source>
        <translation>(vị trí p%1 x%2 y%3)</translation>
    </message>
    <message>
        <source>注：批注仅保存在本地 sidecar 文件，用 Adobe 等其他阅读器打开源文件不可见。
</source>
        <translation>Lưu ý: chú thích chỉ được lưu trong tệp sidecar cục bộ, không hiển thị khi mở tệp gốc bằng trình đọc khác như Adobe.
</translation>
    </message>
    <message>
        <source>批注文件与源文件是同一个文件，不会写入。批注将暂存内存，关闭前请导出。</source>
        <translation>Tệp chú thích chính là tệp nguồn nên sẽ không được ghi. Chú thích sẽ tạm lưu trong bộ nhớ, hãy xuất trước khi đóng.</translation>
    </message>
    <message>
        <source>批注文件的位置被一个文件夹占用。批注将暂存内存，关闭前请导出。</source>
        <translation>Có một thư mục ở vị trí của tệp chú thích. Chú thích sẽ tạm lưu trong bộ nhớ, hãy xuất trước khi đóng.</translation>
    </message>
    <message>
        <source>无法备份读不懂的批注文件，为免覆盖已停止保存。批注将暂存内存，关闭前请导出。</source>
        <translation>Không thể sao lưu tệp chú thích không đọc được, nên đã dừng lưu để tránh ghi đè. Chú thích sẽ tạm lưu trong bộ nhớ, hãy xuất trước khi đóng.</translation>
    </message>
    <message>
        <source>批注保存失败：%1。批注将暂存内存，关闭前请导出。</source>
        <translation>Lưu chú thích thất bại: %1. Chú thích sẽ tạm lưu trong bộ nhớ, hãy xuất trước khi đóng.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，无法在旁边保存批注文件。批注将暂存内存，关闭前请导出。</source>
        <translation>Tên tệp chứa ký tự không nhận dạng được nên không thể lưu tệp chú thích bên cạnh. Chú thích sẽ tạm lưu trong bộ nhớ, hãy xuất trước khi đóng.</translation>
    </message>
    <message>
        <source>此批注文件由更新版本的 Dovrix 写入，已以只读方式打开：改动不会保存。</source>
        <translation>Tệp chú thích này được ghi bởi phiên bản Dovrix mới hơn. Tệp được mở chỉ đọc: các thay đổi sẽ không được lưu.</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkListPanel</name>
    <message>
        <source>重命名</source>
        <translation>Đổi tên</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>还没有书签。按 Ctrl+D 为当前位置添加书签。</source>
        <translation>Chưa có dấu trang. Nhấn Ctrl+D để đánh dấu vị trí hiện tại.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Trang %1</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkPanel</name>
    <message>
        <source>此文档没有内嵌目录（章节/书签）。
阅读进度仍会按内容自动记忆。</source>
        <translation>Tài liệu này không có mục lục nhúng (chương/dấu trang).
Tiến độ đọc vẫn được tự động ghi nhớ theo nội dung.</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentAnnotationModel</name>
    <message>
        <source>文字框</source>
        <translation>Hộp văn bản</translation>
    </message>
    <message>
        <source>波浪线</source>
        <translation>Gạch chân lượn sóng</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>Đường thẳng</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>Hình elip</translation>
    </message>
    <message>
        <source>手绘</source>
        <translation>Nét vẽ tay</translation>
    </message>
    <message>
        <source>多边形</source>
        <translation>Đa giác</translation>
    </message>
    <message>
        <source>折线</source>
        <translation>Đường gấp khúc</translation>
    </message>
    <message>
        <source>图章</source>
        <translation>Con dấu</translation>
    </message>
    <message>
        <source>插入符</source>
        <translation>Dấu chèn</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Trang %1</translation>
    </message>
    <message>
        <source>文件附件</source>
        <translation>Tệp đính kèm</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentController</name>
    <message>
        <source>文件打开耗时过长。</source>
        <translation>Mở tệp mất quá nhiều thời gian.</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentPropertiesDialog</name>
    <message>
        <source>未知</source>
        <translation>Không rõ</translation>
    </message>
    <message>
        <source>%1（%2 字节）</source>
        <translation>%1 (%2 byte)</translation>
    </message>
    <message>
        <source>大小不一（%1 种）</source>
        <translation>Không đồng nhất (%1 kích thước)</translation>
    </message>
    <message>
        <source>保存副本…</source>
        <translation>Lưu bản sao…</translation>
    </message>
    <message>
        <source>文档属性 — %1</source>
        <translation>Thuộc tính tài liệu — %1</translation>
    </message>
    <message>
        <source>全部复制</source>
        <translation>Sao chép tất cả</translation>
    </message>
    <message>
        <source>概要</source>
        <translation>Chung</translation>
    </message>
    <message>
        <source>所有页面</source>
        <translation>Tất cả các trang</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Trang %1</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Phông chữ</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Loại</translation>
    </message>
    <message>
        <source>嵌入</source>
        <translation>Nhúng</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Tên</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Kích thước</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Vị trí</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Mô tả</translation>
    </message>
    <message>
        <source>附件只会另存为副本，Dovrix 不会打开或运行它们。</source>
        <translation>Tệp đính kèm chỉ được lưu thành bản sao; Dovrix không bao giờ mở hay chạy chúng.</translation>
    </message>
    <message>
        <source>附件</source>
        <translation>Tệp đính kèm</translation>
    </message>
    <message>
        <source>标题</source>
        <translation>Tiêu đề</translation>
    </message>
    <message>
        <source>作者</source>
        <translation>Tác giả</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Chủ đề</translation>
    </message>
    <message>
        <source>关键词</source>
        <translation>Từ khóa</translation>
    </message>
    <message>
        <source>创建程序</source>
        <translation>Ứng dụng tạo</translation>
    </message>
    <message>
        <source>PDF 生成器</source>
        <translation>Trình tạo PDF</translation>
    </message>
    <message>
        <source>创建时间</source>
        <translation>Ngày tạo</translation>
    </message>
    <message>
        <source>修改时间</source>
        <translation>Ngày sửa</translation>
    </message>
    <message>
        <source>PDF 版本</source>
        <translation>Phiên bản PDF</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>Số trang</translation>
    </message>
    <message>
        <source>页面大小</source>
        <translation>Khổ trang</translation>
    </message>
    <message>
        <source>文件大小</source>
        <translation>Kích thước tệp</translation>
    </message>
    <message>
        <source>加密</source>
        <translation>Mã hóa</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Không có</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>in</translation>
    </message>
    <message>
        <source>复制文本</source>
        <translation>sao chép văn bản</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>sửa đổi</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>chú thích</translation>
    </message>
    <message>
        <source>填写表单</source>
        <translation>điền biểu mẫu</translation>
    </message>
    <message>
        <source>声明的权限</source>
        <translation>Quyền được khai báo</translation>
    </message>
    <message>
        <source>允许：%1
不允许：%2</source>
        <translation>Cho phép: %1
Không cho phép: %2</translation>
    </message>
    <message>
        <source>带标签</source>
        <translation>Có gắn thẻ</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Có</translation>
    </message>
    <message>
        <source>否</source>
        <translation>Không</translation>
    </message>
    <message>
        <source>脚本</source>
        <translation>Tập lệnh</translation>
    </message>
    <message>
        <source>文档含有 JavaScript，Dovrix 不会运行它。</source>
        <translation>Tài liệu chứa JavaScript; Dovrix không chạy nó.</translation>
    </message>
    <message>
        <source>附件（%1）</source>
        <translation>Tệp đính kèm (%1)</translation>
    </message>
    <message>
        <source>保存附件副本</source>
        <translation>Lưu bản sao tệp đính kèm</translation>
    </message>
    <message>
        <source>附件已损坏，无法读取。</source>
        <translation>Tệp đính kèm bị hỏng và không đọc được.</translation>
    </message>
    <message>
        <source>已保存副本：
%1</source>
        <translation>Đã lưu bản sao:
%1</translation>
    </message>
    <message>
        <source>附件未能保存：%1</source>
        <translation>Không thể lưu tệp đính kèm: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentSession</name>
    <message>
        <source>新文档</source>
        <translation>Tài liệu mới</translation>
    </message>
</context>
<context>
    <name>dovrix::ExportCommands</name>
    <message>
        <source>打印</source>
        <translation>In</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>Xuất hoàn tất</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。</source>
        <translation>Đã xuất ra:
%1

Tệp gốc không bị thay đổi.</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>导出当前页为 PNG</source>
        <translation>Xuất trang hiện tại ra PNG</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>Ảnh PNG (*.png)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>Xuất thất bại</translation>
    </message>
    <message>
        <source>页面渲染失败，请重试。</source>
        <translation>Kết xuất trang thất bại, vui lòng thử lại.</translation>
    </message>
    <message>
        <source>导出全文文本（阅读顺序）</source>
        <translation>Xuất toàn bộ văn bản (thứ tự đọc)</translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>Tệp văn bản (*.txt)</translation>
    </message>
    <message>
        <source>批注汇总</source>
        <translation>Tổng hợp chú thích</translation>
    </message>
    <message>
        <source>当前文档暂无批注。</source>
        <translation>Tài liệu hiện tại chưa có chú thích.</translation>
    </message>
    <message>
        <source>导出批注汇总</source>
        <translation>Xuất tổng hợp chú thích</translation>
    </message>
    <message>
        <source>导出含批注的 PDF</source>
        <translation>Xuất PDF kèm chú thích</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf)</source>
        <translation>Tài liệu PDF (*.pdf)</translation>
    </message>
    <message>
        <source>正在导出含批注的 PDF…</source>
        <translation>Đang xuất PDF kèm chú thích…</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已嵌入副本，用 Adobe/WPS/浏览器打开即可看到。
（副本为逐页渲染的平面化 PDF：外观一致，但文字不可再选中）</source>
        <translation>Đã xuất ra:
%1

Tệp gốc không bị thay đổi. Chú thích đã được nhúng vào bản sao, mở bằng Adobe/WPS/trình duyệt là thấy.
(Bản sao là PDF phẳng được kết xuất từng trang: hiển thị giống hệt nhưng không thể chọn văn bản nữa)</translation>
    </message>
    <message>
        <source>正在打印…</source>
        <translation>Đang in…</translation>
    </message>
    <message>
        <source>已发送 %1 页到打印机。</source>
        <translation>Đã gửi %1 trang tới máy in.</translation>
    </message>
    <message>
        <source>页面渲染失败，打印已中止。</source>
        <translation>Kết xuất trang thất bại, đã dừng in.</translation>
    </message>
    <message>
        <source>无法启动打印任务。</source>
        <translation>Không thể bắt đầu lệnh in.</translation>
    </message>
    <message>
        <source>正在按阅读顺序导出文本…
第 %1 / %2 页</source>
        <translation>Đang xuất văn bản theo thứ tự đọc…
Trang %1 / %2</translation>
    </message>
    <message>
        <source>导出平面化副本（图片）</source>
        <translation>Xuất bản sao phẳng (hình ảnh)</translation>
    </message>
    <message>
        <source>打印到 PDF 文件</source>
        <translation>In ra tệp PDF</translation>
    </message>
    <message>
        <source>批注与缩放</source>
        <translation>Chú thích và tỉ lệ</translation>
    </message>
    <message>
        <source>连同我的批注</source>
        <translation>Kèm chú thích</translation>
    </message>
    <message>
        <source>适合纸张</source>
        <translation>Vừa khổ giấy</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>Kích thước thật</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已作为标准 PDF 批注写入副本，其他阅读器也能看到；文字、链接和目录都保留。</source>
        <translation>Đã xuất tới:
%1

Tệp nguồn không bị thay đổi. Các chú thích nằm trong bản sao dưới dạng chú thích PDF chuẩn, các trình đọc khác cũng hiển thị; văn bản, liên kết và mục lục được giữ nguyên.</translation>
    </message>
    <message>
        <source>打印服务没有接受这个任务：%1
没有丢失任何内容；可以再试一次，或打印到文件。</source>
        <translation>Dịch vụ in không nhận lệnh in: %1
Không mất gì cả; hãy thử lại hoặc in ra tệp.</translation>
    </message>
    <message>
        <source>无法读取源文件：%1</source>
        <translation>Không đọc được tệp nguồn: %1</translation>
    </message>
    <message>
        <source>无法写入 %1：
%2

没有留下不完整的文件，源文件未被修改。</source>
        <translation>Không ghi được %1:
%2

Không để lại tệp dở dang nào; tệp nguồn không bị thay đổi.</translation>
    </message>
    <message>
        <source>没有找到打印服务（CUPS）。
要把文档打印成 PDF 文件吗？</source>
        <translation>Không tìm thấy dịch vụ in (CUPS).
In tài liệu ra tệp PDF thay thế?</translation>
    </message>
</context>
<context>
    <name>dovrix::FormLayer</name>
    <message>
        <source>签名字段（仅显示）</source>
        <translation>Trường chữ ký (chỉ hiển thị)</translation>
    </message>
    <message>
        <source>此表单的脚本不会运行：需由文档计算或格式化的字段保留您输入的内容。</source>
        <translation>Các tập lệnh của biểu mẫu này không chạy: các trường mà tài liệu sẽ tính hoặc định dạng giữ nguyên nội dung bạn đã nhập.</translation>
    </message>
    <message>
        <source>签名字段仅供查看，Dovrix 不签名文档。</source>
        <translation>Trường chữ ký chỉ được hiển thị; Dovrix không ký tài liệu.</translation>
    </message>
</context>
<context>
    <name>dovrix::MainWindow</name>
    <message>
        <source>侧边栏</source>
        <translation>Thanh bên</translation>
    </message>
    <message>
        <source>后退（视图历史）</source>
        <translation>Quay lại (lịch sử xem)</translation>
    </message>
    <message>
        <source>前进（视图历史）</source>
        <translation>Tiến tới (lịch sử xem)</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Mở</translation>
    </message>
    <message>
        <source>打开 PDF（每个文档一个标签页）</source>
        <translation>Mở PDF (mỗi tài liệu một thẻ)</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>In</translation>
    </message>
    <message>
        <source>打印（Ctrl+P）</source>
        <translation>In (Ctrl+P)</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Xuất</translation>
    </message>
    <message>
        <source>导出为新文件（不修改源文件）</source>
        <translation>Xuất ra tệp mới (không sửa tệp gốc)</translation>
    </message>
    <message>
        <source>当前页为图片（PNG 300 DPI）…</source>
        <translation>Trang hiện tại thành ảnh (PNG 300 DPI)…</translation>
    </message>
    <message>
        <source>全文文本（TXT，按阅读顺序）…</source>
        <translation>Toàn bộ văn bản (TXT, theo thứ tự đọc)…</translation>
    </message>
    <message>
        <source>批注汇总（TXT）…</source>
        <translation>Tổng hợp chú thích (TXT)…</translation>
    </message>
    <message>
        <source>含批注的 PDF（副本）…</source>
        <translation>PDF kèm chú thích (bản sao)…</translation>
    </message>
    <message>
        <source>把当前批注嵌入一个新 PDF，Adobe/WPS 可见；源文件保持不变</source>
        <translation>Nhúng các chú thích hiện tại vào một PDF mới, xem được trong Adobe/WPS; tệp gốc giữ nguyên</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>Chú thích</translation>
    </message>
    <message>
        <source>批注模式（A）：高亮 / 下划线 / 删除线 / 便签 / 矩形 / 箭头</source>
        <translation>Chế độ chú thích (A): tô sáng / gạch chân / gạch ngang / ghi chú / hình chữ nhật / mũi tên</translation>
    </message>
    <message>
        <source>旋转90°</source>
        <translation>Xoay 90°</translation>
    </message>
    <message>
        <source>临时旋转 90°（仅本次查看）</source>
        <translation>Xoay tạm 90° (chỉ trong lần xem này)</translation>
    </message>
    <message>
        <source>搜索文档 · Ctrl+F</source>
        <translation>Tìm trong tài liệu · Ctrl+F</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Chủ đề</translation>
    </message>
    <message>
        <source>浅色</source>
        <translation>Sáng</translation>
    </message>
    <message>
        <source>纸感</source>
        <translation>Giấy</translation>
    </message>
    <message>
        <source>深色</source>
        <translation>Tối</translation>
    </message>
    <message>
        <source>午夜</source>
        <translation>Nửa đêm</translation>
    </message>
    <message>
        <source>高对比</source>
        <translation>Tương phản cao</translation>
    </message>
    <message>
        <source>切换界面语言</source>
        <translation>Đổi ngôn ngữ giao diện</translation>
    </message>
    <message>
        <source>主页</source>
        <translation>Trang chủ</translation>
    </message>
    <message>
        <source>打开 Dovrix 主页</source>
        <translation>Mở trang chủ Dovrix</translation>
    </message>
    <message>
        <source>打开 PDF 开始阅读。Dovrix 是只读查看器，不会修改源文件。
支持同时打开多个文档（标签页）。</source>
        <translation>Mở một tệp PDF để bắt đầu đọc. Dovrix là trình xem chỉ đọc, không sửa đổi tệp gốc.
Có thể mở nhiều tài liệu cùng lúc (theo thẻ).</translation>
    </message>
    <message>
        <source>打开 PDF…</source>
        <translation>Mở PDF…</translation>
    </message>
    <message>
        <source>最近文件</source>
        <translation>Tệp gần đây</translation>
    </message>
    <message>
        <source>清空最近记录</source>
        <translation>Xóa danh sách gần đây</translation>
    </message>
    <message>
        <source>源文件已被外部修改。重新载入将显示最新内容。</source>
        <translation>Tệp gốc đã bị thay đổi từ bên ngoài. Tải lại để xem nội dung mới nhất.</translation>
    </message>
    <message>
        <source>重新载入</source>
        <translation>Tải lại</translation>
    </message>
    <message>
        <source>忽略</source>
        <translation>Bỏ qua</translation>
    </message>
    <message>
        <source>Dovrix 一个快如闪电的阅读器</source>
        <translation>Dovrix — trình đọc nhanh như chớp</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Thu nhỏ</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Phóng to</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>Vừa chiều rộng</translation>
    </message>
    <message>
        <source>切换单页 / 连续滚动</source>
        <translation>Chuyển một trang / cuộn liên tục</translation>
    </message>
    <message>
        <source>&amp;打开…</source>
        <translation>&amp;Mở…</translation>
    </message>
    <message>
        <source>关闭文档</source>
        <translation>Đóng tài liệu</translation>
    </message>
    <message>
        <source>下一个标签页</source>
        <translation>Thẻ tiếp theo</translation>
    </message>
    <message>
        <source>&amp;打印…</source>
        <translation>&amp;In…</translation>
    </message>
    <message>
        <source>私密模式</source>
        <translation>Chế độ riêng tư</translation>
    </message>
    <message>
        <source>下一个搜索结果</source>
        <translation>Kết quả tìm kiếm tiếp theo</translation>
    </message>
    <message>
        <source>上一个搜索结果</source>
        <translation>Kết quả tìm kiếm trước</translation>
    </message>
    <message>
        <source>复制所选文本</source>
        <translation>Sao chép văn bản đã chọn</translation>
    </message>
    <message>
        <source>单页模式</source>
        <translation>Chế độ một trang</translation>
    </message>
    <message>
        <source>临时旋转 90°</source>
        <translation>Xoay tạm 90°</translation>
    </message>
    <message>
        <source>适应页面</source>
        <translation>Vừa trang</translation>
    </message>
    <message>
        <source>实际大小（100%）</source>
        <translation>Kích thước thực (100%)</translation>
    </message>
    <message>
        <source>批注模式</source>
        <translation>Chế độ chú thích</translation>
    </message>
    <message>
        <source>打开 PDF</source>
        <translation>Mở PDF</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf);;所有文件 (*)</source>
        <translation>Tài liệu PDF (*.pdf);;Tất cả tệp (*)</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>Không mở được</translation>
    </message>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>Tệp không tồn tại hoặc không thể truy cập.</translation>
    </message>
    <message>
        <source>● 批注与当前文档内容不一致，矩形锚定可能漂移</source>
        <translation>● Chú thích không khớp với nội dung tài liệu hiện tại, neo hình chữ nhật có thể bị lệch</translation>
    </message>
    <message>
        <source>缩略图</source>
        <translation>Hình thu nhỏ</translation>
    </message>
    <message>
        <source>目录</source>
        <translation>Mục lục</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>Tìm kiếm</translation>
    </message>
    <message>
        <source>文档</source>
        <translation>Tài liệu</translation>
    </message>
    <message>
        <source>正在打开文档…</source>
        <translation>Đang mở tài liệu…</translation>
    </message>
    <message>
        <source>口令不正确，请重试</source>
        <translation>Mật khẩu không đúng, vui lòng thử lại</translation>
    </message>
    <message>
        <source>该文档已加密</source>
        <translation>Tài liệu này đã được mã hóa</translation>
    </message>
    <message>
        <source>请输入打开口令（Dovrix 不支持破解或移除权限）：</source>
        <translation>Nhập mật khẩu để mở (Dovrix không hỗ trợ bẻ khóa hay gỡ bỏ quyền hạn):</translation>
    </message>
    <message>
        <source>● 源文件已被外部修改</source>
        <translation>● Tệp gốc đã bị thay đổi từ bên ngoài</translation>
    </message>
    <message>
        <source>● 只读：源文件哈希未变</source>
        <translation>● Chỉ đọc: mã băm tệp gốc không đổi</translation>
    </message>
    <message>
        <source>SHA-256：%1
Dovrix 不会修改源文件。</source>
        <translation>SHA-256: %1
Dovrix không sửa đổi tệp gốc.</translation>
    </message>
    <message>
        <source>● 私密模式：开</source>
        <translation>● Chế độ riêng tư: bật</translation>
    </message>
    <message>
        <source>私密模式：关</source>
        <translation>Chế độ riêng tư: tắt</translation>
    </message>
    <message>
        <source>私密模式：不写入最近文件与缩略图缓存</source>
        <translation>Chế độ riêng tư: không ghi vào danh sách tệp gần đây và bộ nhớ đệm hình thu nhỏ</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——</source>
        <translation>—— Trang %1 ——</translation>
    </message>
    <message>
        <source>（本页为扫描图像，无文本层）</source>
        <translation>(Trang này là ảnh quét, không có lớp văn bản)</translation>
    </message>
    <message>
        <source>（本页部分文本可能不可靠）</source>
        <translation>(Một phần văn bản trên trang này có thể không chính xác)</translation>
    </message>
    <message>
        <source>高亮（H）</source>
        <translation>Tô sáng (H)</translation>
    </message>
    <message>
        <source>下划线（U）</source>
        <translation>Gạch chân (U)</translation>
    </message>
    <message>
        <source>删除线（S）</source>
        <translation>Gạch ngang (S)</translation>
    </message>
    <message>
        <source>便签（N）</source>
        <translation>Ghi chú (N)</translation>
    </message>
    <message>
        <source>矩形（B）</source>
        <translation>Hình chữ nhật (B)</translation>
    </message>
    <message>
        <source>箭头（L）</source>
        <translation>Mũi tên (L)</translation>
    </message>
    <message>
        <source>转到页面…</source>
        <translation>Đi tới trang…</translation>
    </message>
    <message>
        <source>输入页码或页标签后按回车跳转（Ctrl+G）</source>
        <translation>Nhập số trang hoặc nhãn trang rồi nhấn Enter (Ctrl+G)</translation>
    </message>
    <message>
        <source>正在离线 OCR…</source>
        <translation>Đang chạy OCR ngoại tuyến…</translation>
    </message>
    <message>
        <source>正在离线 OCR：已完成 %1/%2 页，预计还需约 %3 秒…</source>
        <translation>Đang chạy OCR ngoại tuyến: xong %1/%2 trang, còn khoảng %3 giây…</translation>
    </message>
    <message>
        <source>（以下为 OCR 识别文本）</source>
        <translation>(Sau đây là văn bản nhận dạng bằng OCR)</translation>
    </message>
    <message>
        <source>全屏阅读 · F11 或 Esc 退出</source>
        <translation>Toàn màn hình · F11 hoặc Esc để thoát</translation>
    </message>
    <message>
        <source>切换页面颜色</source>
        <translation>Đổi màu trang</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Toàn màn hình</translation>
    </message>
    <message>
        <source>双页显示</source>
        <translation>Hiển thị hai trang</translation>
    </message>
    <message>
        <source>首页单独显示</source>
        <translation>Trang đầu riêng</translation>
    </message>
    <message>
        <source>双页</source>
        <translation>Hai trang</translation>
    </message>
    <message>
        <source>双页并排（D）</source>
        <translation>Hai trang cạnh nhau (D)</translation>
    </message>
    <message>
        <source>页面颜色</source>
        <translation>Màu trang</translation>
    </message>
    <message>
        <source>页面颜色（Ctrl+Alt+N）：夜间模式反转明暗、保留色相</source>
        <translation>Màu trang (Ctrl+Alt+N): chế độ đêm đảo sáng tối và giữ nguyên sắc màu</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Bình thường</translation>
    </message>
    <message>
        <source>夜间</source>
        <translation>Ban đêm</translation>
    </message>
    <message>
        <source>棕褐</source>
        <translation>Nâu đỏ</translation>
    </message>
    <message>
        <source>跟随主题</source>
        <translation>Theo chủ đề</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，程序无法读取该文件。请将文件重命名后再打开。</source>
        <translation>Tên tệp chứa ký tự không nhận dạng được nên chương trình không thể đọc tệp. Hãy đổi tên tệp rồi mở lại.</translation>
    </message>
    <message>
        <source>平面化副本（图片）…</source>
        <translation>Bản sao phẳng (hình ảnh)…</translation>
    </message>
    <message>
        <source>PNG 含我的批注</source>
        <translation>PNG kèm chú thích của tôi</translation>
    </message>
    <message>
        <source>文档属性…</source>
        <translation>Thuộc tính tài liệu…</translation>
    </message>
    <message>
        <source>重置表单</source>
        <translation>Đặt lại biểu mẫu</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>Dấu trang</translation>
    </message>
    <message>
        <source>没有可以打开网页的浏览器。Dovrix 主页：%1</source>
        <translation>Không có trình duyệt nào mở được trang. Trang chủ Dovrix: %1</translation>
    </message>
    <message>
        <source>识别文字（OCR）</source>
        <translation>Nhận dạng chữ (OCR)</translation>
    </message>
    <message>
        <source>本页</source>
        <translation>Trang này</translation>
    </message>
    <message>
        <source>所有没有文字的页</source>
        <translation>Mọi trang không có chữ</translation>
    </message>
    <message>
        <source>打开文档后，此处显示
%1</source>
        <translation>Sau khi mở tài liệu, tại đây sẽ hiển thị
%1</translation>
    </message>
</context>
<context>
    <name>dovrix::NavigationCommands</name>
    <message>
        <source>缩放 %1%</source>
        <translation>Thu phóng %1%</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrCommands</name>
    <message>
        <source>OCR 已取消</source>
        <translation>Đã hủy OCR</translation>
    </message>
    <message>
        <source>OCR 完成：%1 页</source>
        <translation>OCR hoàn tất: %1 trang</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 失败：%2</source>
        <translation>OCR trang %1 thất bại: %2</translation>
    </message>
    <message>
        <source>OCR 不可用</source>
        <translation>OCR không khả dụng</translation>
    </message>
    <message>
        <source>正在查找没有文字的页…</source>
        <translation>Đang tìm các trang không có chữ…</translation>
    </message>
    <message>
        <source>每一页都有文字，无需识别</source>
        <translation>Trang nào cũng có chữ; không cần nhận dạng</translation>
    </message>
    <message>
        <source>本页没有文字层 · %1 识别文字</source>
        <translation>Trang này không có lớp văn bản · %1 nhận dạng chữ</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 完成：识别 %2 行文本</source>
        <translation>OCR trang %1 hoàn tất: nhận dạng được %2 dòng văn bản</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrController</name>
    <message>
        <source>页面渲染失败</source>
        <translation>Kết xuất trang thất bại</translation>
    </message>
    <message>
        <source>OCR 引擎初始化失败</source>
        <translation>Khởi tạo công cụ OCR thất bại</translation>
    </message>
    <message>
        <source>OCR 引擎不可用</source>
        <translation>Công cụ OCR không khả dụng</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrEngine</name>
    <message>
        <source>OCR 初始化失败：%1</source>
        <translation>Khởi tạo OCR thất bại: %1</translation>
    </message>
    <message>
        <source>未找到检测模型：%1（%2）</source>
        <translation>Không tìm thấy mô hình phát hiện: %1 (%2)</translation>
    </message>
    <message>
        <source>未找到识别模型：%1（%2）</source>
        <translation>Không tìm thấy mô hình nhận dạng: %1 (%2)</translation>
    </message>
    <message>
        <source>识别模型缺少内嵌词典（character 元数据）。</source>
        <translation>Mô hình nhận dạng thiếu từ điển nhúng (siêu dữ liệu character).</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrRuntime</name>
    <message>
        <source>onnxruntime.dll 缺少 OrtGetApiBase 导出。</source>
        <translation>onnxruntime.dll thiếu hàm xuất OrtGetApiBase.</translation>
    </message>
    <message>
        <source>onnxruntime API 版本不匹配（需要 OrtApi v%1）。</source>
        <translation>Phiên bản API onnxruntime không khớp (cần OrtApi v%1).</translation>
    </message>
    <message>
        <source>无法加载 onnxruntime.dll，OCR 不可用。已尝试：%1</source>
        <translation>Không thể tải onnxruntime.dll, OCR không khả dụng. Đã thử: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::PdfViewport</name>
    <message>
        <source>临时旋转 %1°（仅本次查看）</source>
        <translation>Xoay tạm %1° (chỉ trong lần xem này)</translation>
    </message>
</context>
<context>
    <name>dovrix::QtSpeechEngine</name>
    <message>
        <source>没有安装语音合成引擎（例如 Qt 语音的 flite 插件）。</source>
        <translation>Chưa cài bộ tổng hợp giọng nói (ví dụ plugin flite của Qt Speech).</translation>
    </message>
    <message>
        <source>语音合成引擎无法使用：%1</source>
        <translation>Không thể dùng bộ tổng hợp giọng nói: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::SearchPanel</name>
    <message>
        <source>未找到结果。若该文档是扫描图像（无文本层），可在 OCR 后搜索与复制。</source>
        <translation>Không tìm thấy kết quả. Nếu tài liệu là ảnh quét (không có lớp văn bản), có thể tìm kiếm và sao chép sau khi OCR.</translation>
    </message>
    <message>
        <source>OCR 此文档…</source>
        <translation>OCR tài liệu này…</translation>
    </message>
    <message>
        <source>输入关键字开始搜索（Ctrl+F）</source>
        <translation>Nhập từ khóa để bắt đầu tìm kiếm (Ctrl+F)</translation>
    </message>
    <message>
        <source>“%1”无命中</source>
        <translation>“%1”: không có kết quả</translation>
    </message>
    <message>
        <source>正在搜索“%1”…</source>
        <translation>Đang tìm “%1”…</translation>
    </message>
    <message>
        <source>“%1”无命中。</source>
        <translation>“%1”: không có kết quả.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Trang %1</translation>
    </message>
    <message>
        <source>(OCR 文本)</source>
        <translation>(văn bản OCR)</translation>
    </message>
    <message>
        <source>(文本尚未加载)</source>
        <translation>(văn bản chưa được tải)</translation>
    </message>
    <message>
        <source>第 %1 页%2</source>
        <translation>Trang %1%2</translation>
    </message>
    <message numerus="yes">
        <source>“%1”：共 %n 处命中</source>
        <translation>
            <numerusform>“%1”: %n kết quả</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>正在搜索“%1”… 已搜索 %2 / %3 页，当前命中 %n 处</source>
        <translation>
            <numerusform>Đang tìm “%1”… đã tìm %2 / %3 trang, hiện có %n kết quả</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dovrix::SingleInstance</name>
    <message>
        <source>已运行的 Dovrix 窗口一次最多接收 %1 个文件，未打开任何文件。</source>
        <translation>Cửa sổ Dovrix đang chạy chỉ nhận tối đa %1 tệp mỗi lần; không tệp nào được mở.</translation>
    </message>
</context>
<context>
    <name>dovrix::StartUp</name>
    <message>
        <source>Dovrix —— 纯只读 PDF 查看器：离线、零遥测、不修改源文件。</source>
        <translation>Dovrix — trình xem PDF chỉ đọc: ngoại tuyến, không thu thập dữ liệu, không bao giờ sửa tệp gốc.</translation>
    </message>
    <message>
        <source>要打开的 PDF 文件。</source>
        <translation>Tệp PDF cần mở.</translation>
    </message>
    <message>
        <source>文档打开后自动对指定页执行 OCR（调试/CI）。</source>
        <translation>Nhận dạng chữ của trang này ngay khi tài liệu mở (để gỡ lỗi và chạy tự động).</translation>
    </message>
    <message>
        <source>打开到指定页：从 1 开始的页码，或文档自己的页标签（如 iv）。</source>
        <translation>Mở tại trang này: số trang đếm từ 1 hoặc nhãn trang riêng của tài liệu (như iv).</translation>
    </message>
    <message>
        <source>打开后搜索此文本，并转到第一处命中。</source>
        <translation>Tìm văn bản này khi mở và đến kết quả đầu tiên.</translation>
    </message>
    <message>
        <source>SyncTeX 正向搜索：滚动到 TeX 源文件该行排版的位置并闪烁标出。</source>
        <translation>Tìm xuôi SyncTeX: cuộn tới chỗ dòng mã TeX này được dàn trang và đánh dấu trong chốc lát.</translation>
    </message>
    <message>
        <source>用于打开 PDF 的引擎：mupdf（默认）或 qtpdf（用于比较与问题报告）。</source>
        <translation>Bộ máy mở tệp PDF: mupdf (mặc định) hoặc qtpdf (để so sánh và báo lỗi).</translation>
    </message>
</context>
<context>
    <name>dovrix::StudyTools</name>
    <message>
        <source>慢</source>
        <translation>Chậm</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Bình thường</translation>
    </message>
    <message>
        <source>快</source>
        <translation>Nhanh</translation>
    </message>
    <message>
        <source>朗读完毕</source>
        <translation>Đã đọc xong</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Công cụ</translation>
    </message>
    <message>
        <source>书签、朗读与 SyncTeX</source>
        <translation>Dấu trang, đọc to và SyncTeX</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>Dấu trang</translation>
    </message>
    <message>
        <source>添加书签</source>
        <translation>Thêm dấu trang</translation>
    </message>
    <message>
        <source>重命名书签</source>
        <translation>Đổi tên dấu trang</translation>
    </message>
    <message>
        <source>删除书签</source>
        <translation>Xóa dấu trang</translation>
    </message>
    <message>
        <source>朗读</source>
        <translation>Đọc to</translation>
    </message>
    <message>
        <source>从当前页朗读</source>
        <translation>Đọc to từ trang này</translation>
    </message>
    <message>
        <source>停止朗读</source>
        <translation>Dừng đọc</translation>
    </message>
    <message>
        <source>语速</source>
        <translation>Tốc độ</translation>
    </message>
    <message>
        <source>声音</source>
        <translation>Giọng đọc</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令…</source>
        <translation>Lệnh trình soạn thảo cho tìm kiếm ngược…</translation>
    </message>
    <message>
        <source>未设置反向搜索的编辑器命令（工具 → 反向搜索编辑器命令…）</source>
        <translation>Chưa đặt lệnh trình soạn thảo cho tìm kiếm ngược (Công cụ → Lệnh trình soạn thảo cho tìm kiếm ngược…)</translation>
    </message>
    <message>
        <source>SyncTeX 数据中没有 %1 第 %2 行的位置</source>
        <translation>Dữ liệu SyncTeX không có vị trí cho dòng %2 của %1</translation>
    </message>
    <message>
        <source>此文档旁没有 SyncTeX 文件（.synctex.gz 或 .synctex）</source>
        <translation>Không có tệp SyncTeX bên cạnh tài liệu này (.synctex.gz hoặc .synctex)</translation>
    </message>
    <message>
        <source>SyncTeX 文件已损坏，无法读取</source>
        <translation>Tệp SyncTeX bị hỏng và không thể đọc</translation>
    </message>
    <message>
        <source>SyncTeX 文件与此 PDF 不是同一次编译生成的，请重新编译</source>
        <translation>Tệp SyncTeX thuộc một lần biên dịch khác của PDF này; hãy biên dịch lại</translation>
    </message>
    <message>
        <source>此处没有对应的源文件位置</source>
        <translation>Không có vị trí nguồn nào tương ứng với chỗ này</translation>
    </message>
    <message>
        <source>无法启动编辑器：%1</source>
        <translation>Không thể khởi động trình soạn thảo: %1</translation>
    </message>
    <message>
        <source>已在编辑器中打开 %1 第 %2 行</source>
        <translation>Đã mở %1 tại dòng %2 trong trình soạn thảo</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令</source>
        <translation>Lệnh trình soạn thảo cho tìm kiếm ngược</translation>
    </message>
    <message>
        <source>Ctrl+单击页面时运行的命令（%f 文件，%l 行，%c 列），例如：editor +%l %f</source>
        <translation>Lệnh chạy khi Ctrl+nhấp vào trang (%f tệp, %l dòng, %c cột), ví dụ: editor +%l %f</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>Mặc định</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Trang %1</translation>
    </message>
    <message>
        <source>已添加书签“%1”</source>
        <translation>Đã thêm dấu trang “%1”</translation>
    </message>
    <message>
        <source>书签名称：</source>
        <translation>Tên dấu trang:</translation>
    </message>
    <message>
        <source>继续朗读</source>
        <translation>Tiếp tục đọc</translation>
    </message>
    <message>
        <source>暂停朗读</source>
        <translation>Tạm dừng đọc</translation>
    </message>
    <message>
        <source>SyncTeX 文件解压后超过 %1 MB，已拒绝读取</source>
        <translation>Tệp SyncTeX khi giải nén vượt quá %1 MB; đã bị từ chối mà không đọc</translation>
    </message>
    <message>
        <source>SyncTeX 文件使读取程序崩溃或耗尽内存，已拒绝该文件</source>
        <translation>Tệp SyncTeX làm trình đọc bị lỗi hoặc cạn bộ nhớ; đã bị từ chối</translation>
    </message>
    <message>
        <source>读取 SyncTeX 文件超时，已拒绝该文件</source>
        <translation>Đọc tệp SyncTeX mất quá nhiều thời gian; đã bị từ chối</translation>
    </message>
    <message>
        <source>SyncTeX 文件中的源文件名含有换行或空字符，未交给编辑器</source>
        <translation>Tên tệp nguồn trong tệp SyncTeX chứa ký tự xuống dòng hoặc NUL; không được chuyển cho trình soạn thảo</translation>
    </message>
</context>
<context>
    <name>dovrix::TextLayoutStore</name>
    <message>
        <source>存在无法映射的字符（可能缺少 ToUnicode 表）</source>
        <translation>Có ký tự không ánh xạ được (có thể thiếu bảng ToUnicode)</translation>
    </message>
    <message>
        <source>词间距为几何推断，文本可能被拆碎</source>
        <translation>Khoảng cách giữa các từ được suy ra từ hình học, văn bản có thể bị rời rạc</translation>
    </message>
    <message>
        <source>页眉/页脚区域</source>
        <translation>Vùng đầu trang/chân trang</translation>
    </message>
</context>
<context>
    <name>dovrix::ViewCommands</name>
    <message>
        <source>已复制 %1 个字符</source>
        <translation>Đã sao chép %1 ký tự</translation>
    </message>
    <message>
        <source>原始</source>
        <translation>Gốc</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>Vừa chiều rộng</translation>
    </message>
    <message>
        <source>连续</source>
        <translation>Liên tục</translation>
    </message>
    <message>
        <source>单页</source>
        <translation>Một trang</translation>
    </message>
</context>
</TS>
